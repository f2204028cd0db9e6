#include "SamplePanel.h"

#include "SampleView.h"
#include "ViewPreferences.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace glyphora {

namespace {
// Enough for any line a phone shows, small enough to lay out at every edit.
constexpr int kMaxSampleLength = 1000;
// The picture pane is at least one row high, within these bounds.
constexpr int kMinPictureHeight = 40;
constexpr int kMaxPictureHeight = 112;
constexpr int kKeepTextAfterMs = 500;
}  // namespace

SamplePanel::SamplePanel(Session& session, ViewPreferences& preferences, QWidget* parent)
    : QDockWidget(QStringLiteral("Sample text"), parent), preferences_(preferences) {
    setObjectName(QStringLiteral("SampleTextDock"));
    // Shown and hidden through View -> "Sample text" only, so the menu item never disagrees.
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);

    auto* body = new QWidget(this);
    text_ = new QLineEdit(preferences_.sampleText(), body);
    text_->setObjectName(QStringLiteral("SampleTextEdit"));
    text_->setMaxLength(kMaxSampleLength);
    // A file dropped here opens like one dropped anywhere on the window.
    text_->setAcceptDrops(false);
    text_->setCursorPosition(0);  // the start of the text in view
    text_->setToolTip(QStringLiteral("Text shown in the glyphs of the current set"));

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(text_, 1);
    scales_ = new QButtonGroup(body);
    for (int scale = 1; scale <= 3; ++scale) {
        auto* button = new QToolButton(body);
        button->setObjectName(QStringLiteral("SampleScale%1").arg(scale));
        button->setText(QStringLiteral("%1\u00D7").arg(scale));
        button->setToolTip(QStringLiteral("Phone pixels %1 times").arg(scale));
        button->setCheckable(true);
        button->setAutoRaise(true);
        scales_->addButton(button, scale);
        top->addWidget(button);
    }

    view_ = new SampleView(session, body);
    scroll_ = new QScrollArea(body);
    scroll_->setObjectName(QStringLiteral("SampleScroll"));
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(view_);
    scroll_->setMinimumHeight(kMinPictureHeight);
    view_->installEventFilter(this);

    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(4, 2, 4, 4);
    column->setSpacing(3);
    column->addLayout(top);
    column->addWidget(scroll_, 1);
    setWidget(body);

    keepText_ = new QTimer(this);
    keepText_->setSingleShot(true);
    keepText_->setInterval(kKeepTextAfterMs);
    connect(keepText_, &QTimer::timeout, this, [this] { preferences_.setSampleText(text_->text()); });
    connect(text_, &QLineEdit::textChanged, this, [this](const QString& text) {
        keepText_->start();
        view_->setText(text);
    });
    connect(scales_, &QButtonGroup::idClicked, this, [this](int scale) { setScale(scale); });
    connect(view_, &SampleView::glyphClicked, this, &SamplePanel::glyphClicked);
    view_->setText(text_->text());
    setScale(preferences_.sampleScale());
}

SamplePanel::~SamplePanel() {
    if (keepText_->isActive()) preferences_.setSampleText(text_->text());
}

bool SamplePanel::eventFilter(QObject* watched, QEvent* event) {
    // At least one row of text at the set's height and the scale, whatever the
    // text: the panel keeps the height the user gave it while one types, and
    // further rows scroll.
    if (watched == view_ && event->type() == QEvent::Resize)
        scroll_->setMinimumHeight(
            std::clamp(view_->oneRowHeight() + 2 * scroll_->frameWidth(), kMinPictureHeight, kMaxPictureHeight));
    return QDockWidget::eventFilter(watched, event);
}

void SamplePanel::setScale(int scale) {
    view_->setScale(scale);
    preferences_.setSampleScale(view_->scale());
    if (QAbstractButton* button = scales_->button(view_->scale())) button->setChecked(true);
}

void SamplePanel::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    if (stale_) refresh();
}

void SamplePanel::refresh() {
    stale_ = !isVisible();
    if (!stale_) view_->relayOut();
}

void SamplePanel::canvasChanged() { refresh(); }
void SamplePanel::documentReplaced() { refresh(); }
void SamplePanel::setShown() { refresh(); }
void SamplePanel::selectionChanged() { refresh(); }
void SamplePanel::glyphsChanged(const std::vector<int>&, const std::vector<int>&) { refresh(); }
void SamplePanel::setHeightsChanged(const std::vector<int>&) { refresh(); }

}  // namespace glyphora
