#include "ToolPalette.h"

#include "ColorSwatches.h"
#include "Icons.h"

#include <QGridLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace glyphora {

namespace {

struct ToolSpec {
    Tool tool;
    const char* name;
    const char* icon;  // file name in the icons folder
    const char* tip;
};

// Row by row, left column first.
constexpr ToolSpec kTools[] = {
    {Tool::Pencil, "SpeedButton9", "pencil", "Pencil"},
    {Tool::Selection, "SpeedButton20", "selection", "Selection"},
    {Tool::Text, "SpeedButton23", "text", "Text"},
    {Tool::Eraser, "SpeedButton21", "eraser", "Eraser"},
    {Tool::Fill, "SpeedButton22", "fill", "Fill"},
    {Tool::Line, "SpeedButton24", "line", "Line"},
    {Tool::Rectangle, "SpeedButton25", "rectangle", "Rectangle"},
    {Tool::FilledRectangle, "SpeedButton26", "filled-rectangle", "Filled rectangle"},
    {Tool::Ellipse, "SpeedButton27", "ellipse", "Ellipse"},
    {Tool::FilledEllipse, "SpeedButton28", "filled-ellipse", "Filled ellipse"},
};

}  // namespace

ToolPalette::ToolPalette(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CoolBar1"));
    setFixedWidth(57);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 4, 2, 4);
    column->setSpacing(8);

    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    int index = 0;
    for (const ToolSpec& spec : kTools) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(spec.name));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFixedSize(25, 25);
        b->setIconSize(QSize(18, 18));
        b->setIcon(IconFile(spec.icon));
        b->setToolTip(QString::fromLatin1(spec.tip));
        grid->addWidget(b, index / 2, index % 2);
        entries_.push_back({spec.tool, b});
        connect(b, &QToolButton::clicked, this, [this, b] { onClicked(b); });
        ++index;
    }
    column->addLayout(grid);

    auto* swatches = new ColorSwatches(this);
    column->addWidget(swatches, 0, Qt::AlignHCenter);
    column->addStretch(1);

    press(Tool::Pencil);
}

Tool ToolPalette::currentTool() const {
    for (const Entry& e : entries_)
        if (e.button->isChecked()) return e.tool;
    return Tool::None;
}

QToolButton* ToolPalette::button(Tool tool) const {
    for (const Entry& e : entries_)
        if (e.tool == tool) return e.button;
    return nullptr;
}

void ToolPalette::press(Tool tool) {
    for (const Entry& e : entries_) e.button->setChecked(e.tool == tool);
}

void ToolPalette::onClicked(QToolButton* clicked) {
    // The click has already toggled the button: down means chosen, up means released.
    for (const Entry& e : entries_)
        if (e.button != clicked) e.button->setChecked(false);
    emit toolClicked(currentTool());
}

}  // namespace glyphora
