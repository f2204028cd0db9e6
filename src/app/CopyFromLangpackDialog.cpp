#include "CopyFromLangpackDialog.h"

#include "GlyphPreviewDelegate.h"
#include "GlyphTableModel.h"

#include <CharacterRanges.h>
#include <CodeRangeText.h>
#include <HexText.h>
#include <LangpackReader.h>
#include <LocalPath.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace glyphora {

namespace {

enum Column { CodeColumn, NowColumn, NewColumn, WhatColumn, ColumnCount };
constexpr int kPictureScale = 2;

QTableWidgetItem* PictureItem(uint8_t width, const std::vector<uint8_t>& rows, int height) {
    auto* item = new QTableWidgetItem;
    Symbols g;
    g.Width = width;
    g.Data = rows;
    const QImage image = PreviewImage(g, height);
    if (!image.isNull())
        item->setData(Qt::DecorationRole, QPixmap::fromImage(image.scaled(image.size() * kPictureScale)));
    return item;
}

QString What(const CopyItem& i) {
    QString text = i.added                 ? QStringLiteral("added")
                   : !i.changes            ? QStringLiteral("the same")
                   : i.oldWidth != i.width ? QStringLiteral("width %1 -> %2").arg(i.oldWidth).arg(i.width)
                                           : QStringLiteral("rows");
    if (i.inkCut) text += QStringLiteral(", ink cut");
    return text;
}

}  // namespace

CopyFromLangpackDialog::CopyFromLangpackDialog(LangpackCopy& copy, Prompts& prompts, OtherLangpack source,
                                               int targetHeight,
                                               std::function<std::optional<int>(int set)> sourceBaseline,
                                               std::optional<int> targetBaseline,
                                               std::function<void(const std::function<void()>&)> run, QWidget* parent)
    : QDialog(parent),
      copy_(copy),
      prompts_(prompts),
      source_(std::move(source)),
      targetHeight_(targetHeight),
      sourceBaseline_(std::move(sourceBaseline)),
      targetBaseline_(targetBaseline),
      run_(std::move(run)) {
    setObjectName(QStringLiteral("CopyFromLangpack"));
    setWindowTitle(QString::fromUtf8(LangpackCopy::kTitle));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("From:"), new QLabel(QFileInfo(FromLocalPath(source_.path)).fileName(), this));
    setBox_ = new QComboBox(this);
    setBox_->setObjectName(QStringLiteral("SourceSet"));
    for (int k = 0; k < source_.langpack.SetCount(); ++k)
        setBox_->addItem(QStringLiteral("Set %1: %2 rows, %3 glyphs %4")
                             .arg(k + 1)
                             .arg(source_.langpack.FontSetTable[static_cast<std::size_t>(k)].Height)
                             .arg(source_.langpack.glyphs(k).size())
                             .arg(QString::fromStdString(SetDescription(k + 1, source_.langpack.Set7SharesSet2))));
    form->addRow(QStringLiteral("Set:"), setBox_);
    auto* range = new QHBoxLayout;
    from_ = new QLineEdit(this);
    from_->setObjectName(QStringLiteral("FromCode"));
    to_ = new QLineEdit(this);
    to_->setObjectName(QStringLiteral("ToCode"));
    range->addWidget(from_);
    range->addWidget(new QLabel(QStringLiteral("to"), this));
    range->addWidget(to_);
    form->addRow(QStringLiteral("Codes:"), range);
    layout->addLayout(form);
    addMissing_ = new QCheckBox(QStringLiteral("Add the characters the set lacks"), this);
    addMissing_->setObjectName(QStringLiteral("AddMissing"));
    baselines_ = new QCheckBox(QStringLiteral("Align on the baseline guides"), this);
    baselines_->setObjectName(QStringLiteral("AlignBaselines"));
    layout->addWidget(addMissing_);
    layout->addWidget(baselines_);

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName(QStringLiteral("CopyPreview"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Unicod"), QStringLiteral("Now"), QStringLiteral("New"), QStringLiteral("What changes")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setIconSize(QSize(kMaxGlyphWidth * kPictureScale, targetHeight_ * kPictureScale));
    table_->verticalHeader()->setDefaultSectionSize(std::max(20, targetHeight_ * kPictureScale + 4));
    layout->addWidget(table_, 1);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("CopySummary"));
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Close, this);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    apply_->setObjectName(QStringLiteral("ApplyCopy"));
    layout->addWidget(buttons);
    resize(520, 560);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this] { applyCopy(); });
    connect(setBox_, &QComboBox::currentIndexChanged, this, [this] { setChosen(); });
    for (QLineEdit* field : {from_, to_}) connect(field, &QLineEdit::textChanged, this, [this] { showPreview(); });
    for (QCheckBox* box : {addMissing_, baselines_}) connect(box, &QCheckBox::toggled, this, [this] { showPreview(); });
    setChosen();
}

void CopyFromLangpackDialog::setChosen() {
    const int set = setBox_->currentIndex();
    const std::vector<CodeSpan> runs = set >= 0 ? CodeRuns(source_.langpack, set) : std::vector<CodeSpan>{};
    const QSignalBlocker blockFrom(from_), blockTo(to_);
    from_->setText(runs.empty() ? QString() : QString::fromStdString(CodeName(runs.front().first)));
    to_->setText(runs.empty() ? QString() : QString::fromStdString(CodeName(runs.back().last)));
    const bool both = targetBaseline_ && sourceBaseline_ && set >= 0 && sourceBaseline_(set);
    baselines_->setEnabled(both);
    if (!both) baselines_->setChecked(false);
    showPreview();
}

std::optional<CopyOptions> CopyFromLangpackDialog::options() const {
    CopyOptions o;
    o.sourceSet = setBox_->currentIndex();
    if (o.sourceSet < 0) return std::nullopt;
    const Result<uint16_t> from = ParseCodeNumber(from_->text().toStdString());
    const Result<uint16_t> to = ParseCodeNumber(to_->text().toStdString());
    if (!from || !to || *to < *from) return std::nullopt;
    o.range = CodeSpan{*from, *to};
    o.addMissing = addMissing_->isChecked();
    if (baselines_->isChecked()) {
        o.sourceBaseline = sourceBaseline_(o.sourceSet);
        o.targetBaseline = targetBaseline_;
    }
    return o;
}

void CopyFromLangpackDialog::showPreview() {
    table_->setRowCount(0);
    const std::optional<CopyOptions> o = options();
    apply_->setEnabled(false);
    if (!o) {
        summary_->setText(QStringLiteral("Type the first and the last code of the range (U+0410, 0x410 or 1040)."));
        return;
    }
    const CopyPreview preview = copy_.Preview(source_.langpack, *o);
    int row = 0;
    for (const CopyItem& i : preview.items) {
        if (!i.changes) continue;
        table_->insertRow(row);
        auto* code =
            new QTableWidgetItem(QString::fromStdString(UpperHex(i.code, 4)) + QLatin1Char(' ') + SymbolText(i.code));
        table_->setItem(row, CodeColumn, code);
        if (!i.added) table_->setItem(row, NowColumn, PictureItem(i.oldWidth, i.oldRows, targetHeight_));
        table_->setItem(row, NewColumn, PictureItem(i.width, i.rows, targetHeight_));
        table_->setItem(row, WhatColumn, new QTableWidgetItem(What(i)));
        ++row;
    }
    summary_->setText(QStringLiteral("%1 glyphs change: %2 of the %3 codes both sets have, %4 added; %5 codes the "
                                     "set lacks are skipped; %6 glyphs lose ink.")
                          .arg(preview.changing())
                          .arg(preview.changing() - preview.added)
                          .arg(preview.copied)
                          .arg(preview.added)
                          .arg(preview.skipped)
                          .arg(preview.inkCut()));
    apply_->setEnabled(preview.changing() > 0);
}

void CopyFromLangpackDialog::applyCopy() {
    const std::optional<CopyOptions> o = options();
    if (!o) return;
    bool done = false;
    run_([&] {
        const Result<CopyPreview> applied = copy_.Apply(source_.langpack, *o);
        if (!applied) {
            prompts_.warning("The glyphs cannot be copied:\n" + applied.error().message + ".");
            return;
        }
        done = true;
    });
    if (done) accept();
}

}  // namespace glyphora
