#include "GlyphCopyCommands.h"

#include <CopyFromLangpackDialog.h>
#include <FontPage.h>
#include <LocalPath.h>
#include <SetGuidesView.h>
#include <ViewPreferences.h>

#include <Comparing.h>
#include <FileNames.h>
#include <GlyphClipboard.h>
#include <LangpackComparison.h>
#include <LangpackCopy.h>
#include <OtherLangpack.h>

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace glyphora {

namespace {

std::vector<int> ChosenGlyphs(const FontPage* page) {
    std::vector<int> glyphs;
    const GridRowRange rows = page->chosenGlyphRows();
    for (int row = rows.top; row >= 0 && row <= rows.bottom; ++row) glyphs.push_back(row);
    return glyphs;
}

void CopyGlyphs(Session& s, const FontPage* page) {
    const std::optional<GlyphClipboard::Copied> copied = GlyphClipboard(s).Copy(ChosenGlyphs(page));
    if (!copied) return;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kGlyphClipMimeType), QByteArray::fromStdString(copied->text));
    if (!copied->png.empty())
        data->setImageData(QImage::fromData(copied->png.data(), static_cast<int>(copied->png.size()), "PNG"));
    QGuiApplication::clipboard()->setMimeData(data);
}

void PasteGlyphs(Session& s, const FontPage* page) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromLatin1(kGlyphClipMimeType);
    std::optional<std::string> text;
    if (data && data->hasFormat(type)) text = data->data(type).toStdString();
    GlyphClipboard(s).Paste(text, std::max(page->chosenGlyphRows().top, 0));
}

void CopyFromLangpack(const CommandContext& c, const SetGuidesView& guides, const ViewPreferences& preferences) {
    Session& s = c.session;
    if (!s.langpack() || s.CurrentSet() < 0) return;
    // The dialog is modal: the working glyph is stored first, as nothing changes it meanwhile.
    if (!s.QuestionSaveImage()) return;
    std::optional<OtherLangpack> other =
        ChooseOtherLangpack(s.prompts(), LangpackCopy::kTitle, FolderOf(s.CurrentFileName()));
    if (!other) return;
    const QString otherName = QFileInfo(FromLocalPath(other->path)).fileName();
    LangpackCopy copy(s);
    CopyFromLangpackDialog dialog(
        copy, c.prompts, std::move(*other), s.setHeight(s.CurrentSet()),
        [&preferences, otherName](int set) { return preferences.guides(otherName, set + 1).baseline; },
        guides.current().baseline, [&c](const std::function<void()>& apply) { RunCommand(c, apply); }, c.window);
    dialog.exec();
}

}  // namespace

void BindGlyphCopyCommands(const CommandContext& c, FontPage* fontPage, const SetGuidesView& guides,
                           const ViewPreferences& preferences) {
    Session& s = c.session;
    Bind(c, Command::CopyGlyphs, [&s, fontPage] { CopyGlyphs(s, fontPage); });
    Bind(c, Command::PasteGlyphs, [&s, fontPage] { PasteGlyphs(s, fontPage); });
    Bind(c, Command::CopyFromLangpack, [c, &guides, &preferences] { CopyFromLangpack(c, guides, preferences); });
}

void BindCompareCommands(const CommandContext& c, LangpackComparison& comparison) {
    Session& s = c.session;
    Bind(c, Command::CompareWith, [&s, &comparison] { Comparing(s, comparison).CompareCommand(); });
    Bind(c, Command::CloseComparison, [&s, &comparison] { Comparing(s, comparison).CloseCommand(); });
    Bind(c, Command::NextDifference, [&s, &comparison] { Comparing(s, comparison).NextDifference(); });
}

}  // namespace glyphora
