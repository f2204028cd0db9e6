#include "CharacterRangesDialog.h"

#include <CodeRangeText.h>
#include <HexText.h>
#include <TextEncoding.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace glyphora {

namespace {

constexpr int kDefaultWidth = 6;
constexpr uint32_t kMaxCharactersShown = 64;

QString Characters(CodeSpan span) {
    std::string text;
    for (uint32_t code = span.first; code <= span.last && code - span.first < kMaxCharactersShown; ++code) {
        const bool shows = code >= 0x20 && !(code >= 0x7F && code < 0xA0) && !(code >= 0xD800 && code < 0xE000);
        AppendUtf8(text, shows ? static_cast<char16_t>(code) : u'\uFFFD');
    }
    if (span.count() > kMaxCharactersShown) text += "\u2026";
    return QString::fromStdString(text);
}

}  // namespace

CharacterRangesDialog::CharacterRangesDialog(CharacterRangesFeature& feature,
                                             std::function<void(std::function<void()>)> run,
                                             std::function<std::vector<int>()> chosenGlyphs, QWidget* parent)
    : QDialog(parent), feature_(feature), run_(std::move(run)), chosenGlyphs_(std::move(chosenGlyphs)) {
    setObjectName(QStringLiteral("CharacterRangesDialog"));
    setWindowTitle(QString::fromUtf8(CharacterRangesFeature::kTitle));
    auto* layout = new QVBoxLayout(this);

    list_ = new QTableWidget(0, 4, this);
    list_->setObjectName(QStringLiteral("RangeList"));
    list_->setHorizontalHeaderLabels({QStringLiteral("First code"), QStringLiteral("Last code"),
                                      QStringLiteral("Count"), QStringLiteral("Characters")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    layout->addWidget(list_, 1);

    auto* form = new QFormLayout;
    auto* rangeRow = new QHBoxLayout;
    range_ = new QLineEdit(this);
    range_->setObjectName(QStringLiteral("RangeField"));
    range_->setPlaceholderText(QStringLiteral("\u0410\u2013\u044F, \u0401, \u0451 or U+0410\u2013U+044F or a block"));
    range_->setToolTip(range_->placeholderText());
    blocks_ = new QComboBox(this);
    blocks_->setObjectName(QStringLiteral("BlockList"));
    blocks_->addItem(QStringLiteral("Blocks\u2026"));
    for (const NamedBlock& block : CommonBlocks())
        blocks_->addItem(
            QStringLiteral("%1 (%2)").arg(QString::fromUtf8(block.name), QString::fromStdString(BlockSummary(block))),
            QString::fromUtf8(block.name));
    // The list names each block with its summary; the field keeps the room
    // its placeholder needs.
    blocks_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    blocks_->setMinimumContentsLength(12);
    range_->setMinimumWidth(range_->fontMetrics().horizontalAdvance(range_->placeholderText()) + 16);
    rangeRow->addWidget(range_, 1);
    rangeRow->addWidget(blocks_);
    form->addRow(QStringLiteral("Characters:"), rangeRow);
    width_ = new QSpinBox(this);
    width_->setObjectName(QStringLiteral("WidthField"));
    width_->setRange(kMinNewGlyphWidth, 15);
    width_->setValue(kDefaultWidth);
    form->addRow(QStringLiteral("Width of the new glyphs:"), width_);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    add_ = new QPushButton(QStringLiteral("Add"), this);
    add_->setObjectName(QStringLiteral("AddRange"));
    removeRange_ = new QPushButton(QStringLiteral("Remove the selected range"), this);
    removeRange_->setObjectName(QStringLiteral("RemoveRange"));
    removeChosen_ = new QPushButton(QStringLiteral("Remove the glyphs chosen in the grid"), this);
    removeChosen_->setObjectName(QStringLiteral("RemoveChosenGlyphs"));
    buttons->addWidget(add_);
    buttons->addWidget(removeRange_);
    buttons->addWidget(removeChosen_);
    layout->addLayout(buttons);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(close);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(blocks_, &QComboBox::activated, this, [this](int index) {
        if (index > 0) range_->setText(blocks_->itemData(index).toString());
        blocks_->setCurrentIndex(0);
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        const std::string typed = range_->text().toStdString();
        const int width = width_->value();
        run_([this, typed, width] { feature_.AddRange(typed, width); });
        showRanges();
    });
    connect(removeRange_, &QPushButton::clicked, this, [this] {
        const int row = list_->currentRow();
        if (row < 0 || row >= static_cast<int>(ranges_.size())) return;
        const CodeSpan span = ranges_[static_cast<std::size_t>(row)];
        run_([this, span] { feature_.RemoveSpan(span); });
        showRanges();
    });
    connect(removeChosen_, &QPushButton::clicked, this, [this] {
        const std::vector<int> glyphs = chosenGlyphs_();
        run_([this, glyphs] { feature_.RemoveGlyphs(glyphs); });
        showRanges();
    });
    resize(640, 420);
}

void CharacterRangesDialog::showRanges() {
    const int set = feature_.SetNumber();
    const QString title = QString::fromUtf8(CharacterRangesFeature::kTitle);
    setWindowTitle(set > 0 ? QStringLiteral("%1 %2").arg(title).arg(set) : title);
    ranges_ = feature_.Ranges();
    list_->setRowCount(static_cast<int>(ranges_.size()));
    int row = 0;
    for (const CodeSpan& span : ranges_) {
        const QString cells[] = {QString::fromStdString(CodeName(span.first)),
                                 QString::fromStdString(CodeName(span.last)), QString::number(span.count()),
                                 Characters(span)};
        for (int column = 0; column < 4; ++column) list_->setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
}

}  // namespace glyphora
