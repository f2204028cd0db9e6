#include "GenerateDialog.h"

#include "ViewPreferences.h"

#include <GlyphRows.h>
#include <ImageConvert.h>
#include <LocalPath.h>
#include <SampleLine.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace glyphora {

namespace {

constexpr int kScale = 2;
// As many cells as the window's narrowest preview holds, so it wraps into rows.
constexpr int kPerRow = 16;
constexpr int kPreviewDelayMs = 30;

enum RangeChoice { kChosenRows, kCodeRange, kWholeSet, kBlankOnly };

std::optional<int> HexCode(const QString& text) {
    bool ok = false;
    QString t = text.trimmed();
    if (t.startsWith(QStringLiteral("U+"), Qt::CaseInsensitive) ||
        t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        t = t.mid(2);
    const int value = t.toInt(&ok, 16);
    if (!ok || value < 0 || value > 0xFFFF) return std::nullopt;
    return value;
}

// The style of the one face a font file holds, as the file names it (a bold
// PCF says "Bold"); "Regular" when it cannot be read here.
struct FileFace {
    QString style = QStringLiteral("Regular");
    bool bold = false;
    bool italic = false;
};

FileFace ReadFileFace(const QString& path) {
    FileFace face;
    const QRawFont raw(path, 12);
    if (!raw.isValid()) return face;
    face.bold = raw.weight() >= QFont::DemiBold;
    face.italic = raw.style() != QFont::StyleNormal;
    if (!raw.styleName().isEmpty())
        face.style = raw.styleName();
    else if (face.bold || face.italic)
        face.style = QStringLiteral("%1%2%3").arg(face.bold ? QStringLiteral("Bold") : QString(),
                                                  face.bold && face.italic ? QStringLiteral(" ") : QString(),
                                                  face.italic ? QStringLiteral("Italic") : QString());
    return face;
}

QImage Scaled(const MonoImage& image) {
    const QImage mono = toQImage(image, QImage::Format_RGB32);
    return mono.scaled(mono.width() * kScale, mono.height() * kScale);
}

}  // namespace

GenerateDialog::GenerateDialog(Session& session, GlyphGeneration& generation,
                               std::function<std::pair<int, int>()> chosenRows, QWidget* parent)
    : QDialog(parent),
      session_(session),
      generation_(generation),
      chosenRows_(std::move(chosenRows)),
      sheet_(kScale, kPerRow) {
    setObjectName(QStringLiteral("GenerateDialog"));
    setWindowTitle(QStringLiteral("Generate glyphs"));
    auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    family_ = static_cast<QFontComboBox*>(named(new QFontComboBox(this), "GenerateFamily"));
    fileButton_ = static_cast<QPushButton*>(named(new QPushButton(QStringLiteral("Font file…"), this), "GenerateFile"));
    style_ = static_cast<QComboBox*>(named(new QComboBox(this), "GenerateStyle"));
    size_ = static_cast<QSpinBox*>(named(new QSpinBox(this), "GenerateSize"));
    size_->setRange(1, 255);
    size_->setSuffix(QStringLiteral(" px"));
    fit_ = static_cast<QCheckBox*>(named(new QCheckBox(QStringLiteral("Fit to the set"), this), "GenerateFit"));
    baselineOn_ =
        static_cast<QCheckBox*>(named(new QCheckBox(QStringLiteral("Baseline on row"), this), "GenerateBaselineOn"));
    baseline_ = static_cast<QSpinBox*>(named(new QSpinBox(this), "GenerateBaseline"));
    baseline_->setRange(0, 255);
    wide_ = static_cast<QComboBox*>(named(new QComboBox(this), "GenerateWide"));
    wide_->addItems({QStringLiteral("Cut at 15 pixels"), QStringLiteral("Shrink to 15 pixels")});
    widths_ = static_cast<QComboBox*>(named(new QComboBox(this), "GenerateWidths"));
    widths_->addItems({QStringLiteral("Keep the rendered width"), QStringLiteral("Trim as Optimize does")});
    range_ = static_cast<QComboBox*>(named(new QComboBox(this), "GenerateRange"));
    range_->addItems({QStringLiteral("Rows chosen in the glyph grid"), QStringLiteral("Code range"),
                      QStringLiteral("Whole set"), QStringLiteral("Only blank glyphs")});
    codeFrom_ = static_cast<QLineEdit*>(named(new QLineEdit(QStringLiteral("0020"), this), "GenerateCodeFrom"));
    codeTo_ = static_cast<QLineEdit*>(named(new QLineEdit(QStringLiteral("007E"), this), "GenerateCodeTo"));
    sample_ = static_cast<QLineEdit*>(
        named(new QLineEdit(QStringLiteral("The quick brown fox jumps over the lazy dog. Жёлтый 0123"), this),
              "GenerateSample"));
    glyphsView_ = static_cast<QLabel*>(named(new QLabel(this), "GeneratePreview"));
    sampleView_ = static_cast<QLabel*>(named(new QLabel(this), "GenerateSamplePreview"));
    summary_ = static_cast<QLabel*>(named(new QLabel(this), "GenerateSummary"));
    // The font box names a chosen file in its own field.
    family_->setEditable(true);
    family_->setInsertPolicy(QComboBox::NoInsert);
    // A long sample or summary is cut, not a reason to widen the window.
    sampleView_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    summary_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    summary_->setMinimumHeight(summary_->fontMetrics().height());

    auto* form = new QFormLayout;
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(family_, 1);
    fontRow->addWidget(fileButton_);
    form->addRow(QStringLiteral("Font"), fontRow);
    form->addRow(QStringLiteral("Style"), style_);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(size_);
    sizeRow->addWidget(fit_);
    sizeRow->addStretch();
    form->addRow(QStringLiteral("Size"), sizeRow);
    auto* baselineRow = new QHBoxLayout;
    baselineRow->addWidget(baselineOn_);
    baselineRow->addWidget(baseline_);
    baselineRow->addStretch();
    form->addRow(QStringLiteral("Baseline"), baselineRow);
    form->addRow(QStringLiteral("Wider than 15"), wide_);
    form->addRow(QStringLiteral("Widths"), widths_);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(range_, 1);
    rangeRow->addWidget(codeFrom_);
    rangeRow->addWidget(codeTo_);
    form->addRow(QStringLiteral("Glyphs"), rangeRow);
    form->addRow(QStringLiteral("Sample text"), sample_);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(glyphsView_);
    scroll->setWidgetResizable(false);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumSize(kPerRow * (kRenderedMaxWidth + 2) * kScale +
                               scroll->verticalScrollBar()->sizeHint().width() + 2 * scroll->frameWidth(),
                           220);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* applyButton = buttons->addButton(QStringLiteral("Apply"), QDialogButtonBox::ApplyRole);
    applyButton->setObjectName(QStringLiteral("GenerateApply"));
    buttons->addButton(QDialogButtonBox::Close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(scroll, 1);
    layout->addWidget(sampleView_);
    layout->addWidget(summary_);
    layout->addWidget(buttons);

    debounce_.setSingleShot(true);
    debounce_.setInterval(kPreviewDelayMs);
    connect(&debounce_, &QTimer::timeout, this, [this] { updatePreview(); });
    connect(family_, &QFontComboBox::currentFontChanged, this, [this] {
        fontFile_.clear();
        family_->setToolTip(QString());
        const bool bold = style_->currentText().contains(QStringLiteral("Bold"));
        fillStyles();
        selectStyle(bold, false);
        scheduleView();
    });
    connect(fileButton_, &QPushButton::clicked, this, [this] { chooseFile(); });
    for (QComboBox* box : {style_, wide_, widths_, range_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { scheduleView(); });
    for (QSpinBox* box : {size_, baseline_}) connect(box, &QSpinBox::valueChanged, this, [this] { scheduleView(); });
    for (QCheckBox* box : {fit_, baselineOn_}) connect(box, &QCheckBox::toggled, this, [this] { scheduleView(); });
    for (QLineEdit* edit : {codeFrom_, codeTo_, sample_})
        connect(edit, &QLineEdit::textChanged, this, [this] { scheduleView(); });
    connect(applyButton, &QPushButton::clicked, this, [this] { keepChoices(); });
    connect(this, &QDialog::finished, this, [this] { keepChoices(); });
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void GenerateDialog::open() {
    const GenerateOptions start = generation_.generateOptions();
    restoreChoices();
    // On the set's own baseline guide when it has one.
    const std::optional<int> guide = baselineGuide_ ? baselineGuide_() : std::nullopt;
    baselineOn_->setChecked(guide.has_value());
    baseline_->setValue(guide ? *guide : std::max(0, start.placement.height - start.placement.height / 5 - 1));
    const std::pair<int, int> rows = chosenRows_();
    switch (generation_.OpeningRange(rows.first, rows.second)) {
    case GenerateRange::Kind::Glyphs: range_->setCurrentIndex(kChosenRows); break;
    case GenerateRange::Kind::BlankOnly: range_->setCurrentIndex(kBlankOnly); break;
    default: range_->setCurrentIndex(kWholeSet); break;
    }
    show();
    raise();
    updatePreview();
}

// The window's choices as it was left, in this run or an earlier one; the
// font Ctrl+F draws with before it was ever used.
void GenerateDialog::restoreChoices() {
    const GenerateOptions start = generation_.generateOptions();
    GenerateChoices kept = preferences_ ? preferences_->generateChoices() : GenerateChoices{};
    if (kept.font.isEmpty()) {
        const RenderFont& font = start.font;
        kept.font = QString::fromStdString(font.name);
        kept.style = QString::fromStdString(font.styleName);
        kept.size = std::abs(font.height);
        kept.fit = start.fit;
        kept.shrinkWide = start.placement.wide == WideGlyphs::Shrink;
        kept.trimWidths = start.placement.trim;
        if (kept.style.isEmpty() && font.bold) kept.style = QStringLiteral("Bold");
        if (kept.style.isEmpty() && font.italic) kept.style = QStringLiteral("Italic");
    }
    {
        const QSignalBlocker block(family_);
        if (QDir::isAbsolutePath(kept.font)) {
            fontFile_ = ToLocalPath(kept.font);
            showFontFile();
        } else {
            fontFile_.clear();
            family_->setToolTip(QString());
            family_->setCurrentFont(QFont(kept.font));
        }
    }
    fillStyles();
    if (style_->findText(kept.style) >= 0)
        style_->setCurrentText(kept.style);
    else if (fontFile_.empty())
        selectStyle(kept.style.contains(QStringLiteral("Bold")), kept.style.contains(QStringLiteral("Italic")));
    if (kept.size > 0) size_->setValue(kept.size);
    fit_->setChecked(kept.fit);
    wide_->setCurrentIndex(kept.shrinkWide ? 1 : 0);
    widths_->setCurrentIndex(kept.trimWidths ? 1 : 0);
}

void GenerateDialog::keepChoices() {
    if (!preferences_) return;
    GenerateChoices choices;
    choices.font = fontFile_.empty() ? family_->currentText() : FromLocalPath(fontFile_);
    choices.style = style_->currentText();
    choices.size = size_->value();
    choices.fit = fit_->isChecked();
    choices.shrinkWide = wide_->currentIndex() == 1;
    choices.trimWidths = widths_->currentIndex() == 1;
    preferences_->setGenerateChoices(choices);
}

void GenerateDialog::showFontFile() {
    const QSignalBlocker block(family_);
    const QString path = FromLocalPath(fontFile_);
    family_->setCurrentIndex(-1);
    family_->setEditText(QFileInfo(path).fileName());
    family_->setToolTip(path);
}

void GenerateDialog::fillStyles() {
    const QSignalBlocker block(style_);
    style_->clear();
    if (!fontFile_.empty()) {
        // The file's own face first, drawn as it is; then what the renderer
        // may add to it (a slant, a bolder stroke), never less than it has.
        const FileFace face = ReadFileFace(FromLocalPath(fontFile_));
        fileBold_ = face.bold;
        fileItalic_ = face.italic;
        style_->addItem(face.style);
        for (const auto& [name, bold, italic] : {std::tuple{"Italic", false, true}, std::tuple{"Bold", true, false},
                                                 std::tuple{"Bold Italic", true, true}})
            if ((bold || !face.bold) && (italic || !face.italic) && (bold != face.bold || italic != face.italic))
                style_->addItem(QString::fromLatin1(name));
        return;
    }
    style_->addItems(QFontDatabase::styles(family_->currentText()));
}

// The family's face nearest to the style: the list is alphabetical, and its
// first entry ("Bold", "Oblique") is seldom what was meant.
void GenerateDialog::selectStyle(bool bold, bool italic) {
    const QString family = family_->currentText();
    int best = -1, bestDistance = 0;
    for (int i = 0; i < style_->count(); ++i) {
        const QString style = style_->itemText(i);
        const bool slanted = QFontDatabase::italic(family, style) || style.contains(QStringLiteral("Oblique"));
        const int distance = std::abs(QFontDatabase::weight(family, style) - (bold ? QFont::Bold : QFont::Normal)) +
                             (slanted != italic ? 10000 : 0) +
                             (QStringList{"Regular", "Book", "Normal", "Roman"}.contains(style) ? 0 : 1);
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    if (best >= 0) style_->setCurrentIndex(best);
}

void GenerateDialog::chooseFile() {
    const std::optional<std::string> file = session_.prompts().chooseOpenFile(generation_.FontFileDialog());
    if (!file || file->empty()) return;
    fontFile_ = *file;
    showFontFile();
    fillStyles();
    scheduleView();
}

GenerateOptions GenerateDialog::options() const {
    GenerateOptions options;
    RenderFont& font = options.font;
    const QString style = style_->currentText();
    if (fontFile_.empty()) {
        const QString family = family_->currentText();
        font.name = family.toStdString();
        font.styleName = style.toStdString();
        font.bold = QFontDatabase::weight(family, style) >= QFont::DemiBold;
        font.italic = QFontDatabase::italic(family, style) || style.contains(QStringLiteral("Oblique"));
    } else {
        // The file's own face (the first style) is drawn as it is.
        const bool own = style_->currentIndex() <= 0;
        font.name = fontFile_;
        font.styleName = style.toStdString();
        font.bold = !own && !fileBold_ && style.contains(QStringLiteral("Bold"));
        font.italic = !own && !fileItalic_ && style.contains(QStringLiteral("Italic"));
    }
    font.height = -size_->value();
    options.fit = fit_->isChecked();
    if (session_.langpack() && session_.CurrentSet() >= 0)
        options.placement.height = session_.setHeight(session_.CurrentSet());
    if (baselineOn_->isChecked()) options.placement.baseline = baseline_->value();
    options.placement.wide = wide_->currentIndex() == 1 ? WideGlyphs::Shrink : WideGlyphs::Cut;
    options.placement.trim = widths_->currentIndex() == 1;
    return options;
}

std::vector<int> GenerateDialog::glyphs() const {
    GenerateRange range;
    switch (range_->currentIndex()) {
    case kChosenRows: {
        const std::pair<int, int> rows = chosenRows_();
        range = {GenerateRange::Kind::Glyphs, rows.first, rows.second};
        break;
    }
    case kCodeRange: {
        const std::optional<int> from = HexCode(codeFrom_->text()), to = HexCode(codeTo_->text());
        if (!from || !to) return {};
        range = {GenerateRange::Kind::Codes, *from, *to};
        break;
    }
    case kBlankOnly: range.kind = GenerateRange::Kind::BlankOnly; break;
    default: break;
    }
    return generation_.glyphsOf(range);
}

void GenerateDialog::scheduleView() {
    codeFrom_->setEnabled(range_->currentIndex() == kCodeRange);
    codeTo_->setEnabled(range_->currentIndex() == kCodeRange);
    size_->setEnabled(!fit_->isChecked());
    baseline_->setEnabled(baselineOn_->isChecked());
    debounce_.start();
}

void GenerateDialog::updatePreview() {
    debounce_.stop();
    preview_ = generation_.Preview(options(), glyphs());
    summary_->setText(QString::fromStdString(preview_.summary));
    if (preview_.shown.empty()) return;
    const int height = session_.setHeight(session_.CurrentSet());

    // The range as it would be; only the cells that changed are drawn again.
    if (sheet_.show(preview_, height)) {
        glyphsView_->setPixmap(QPixmap::fromImage(sheet_.image()));
        glyphsView_->resize(sheet_.image().size());
    }

    const std::u16string text = sample_->text().toStdU16String();
    const SampleLine line = LayOutSampleLine(text, preview_.shown, height);
    sampleView_->setPixmap(QPixmap::fromImage(Scaled(line.image)));
}

void GenerateDialog::apply() {
    // The preview comes after the batch, not in the middle of it.
    debounce_.stop();
    const std::vector<int> which = glyphs();
    const GenerateOptions chosen = options();
    QElapsedTimer clock;
    clock.start();
    auto work = [&] { generation_.Generate(chosen, which); };
    if (runner_)
        runner_(work);
    else
        work();
    const qint64 took = clock.elapsed();
    updatePreview();
    summary_->setText(summary_->text() + QStringLiteral("; applied to %1 glyphs in %2 ms").arg(which.size()).arg(took));
}

}  // namespace glyphora
