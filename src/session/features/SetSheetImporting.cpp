#include "SetSheetImporting.h"

#include "FileNames.h"

#include <BmpReader.h>
#include <ColorReduce.h>
#include <FileLayer.h>
#include <HexText.h>
#include <PngReader.h>
#include <SetSheetImport.h>
#include <Utf8Path.h>

#include <algorithm>

namespace glyphora {

namespace {

const char* const kImportPngTitle = "Import set from PNG sheet";

std::string FileNameOf(const std::string& path) { return Utf8FromPath(PathFromUtf8(path).filename()); }

}  // namespace

std::string InkBeyondWidthText(const std::vector<uint16_t>& codes) {
    if (codes.empty()) return {};
    return "Ink right of the glyph's width was left out: " + CodeNames(codes) + ".";
}

void SetSheetImporting::ImportPngCommand() {
    Session& s = session_;
    if (!s.LangFileOpen() || !s.langpack() || s.CurrentSet() < 0) return;
    if (!s.QuestionSaveImage()) return;
    Prompts::FileDialog dialog;
    dialog.title = kImportPngTitle;
    dialog.filters = {"PNG pictures (*.png) (*.png *.PNG)", "All files (*)"};
    dialog.folder = FolderOf(s.document()->path());
    dialog.kind = "png";
    const std::optional<std::string> path = s.prompts().chooseOpenFile(dialog);
    if (!path || path->empty()) return;

    const Result<SheetImported> done = ImportPng(*path);
    if (!done) {
        const Error& why = done.error();
        const std::string text = "The sheet cannot be imported:\n" + why.message + ".";
        if (why.kind == ErrorKind::Io || why.kind == ErrorKind::Missing)
            s.prompts().error(text);
        else
            s.prompts().warning(text);
        return;
    }
    const std::string beyond = InkBeyondWidthText(done->inkBeyondWidth);
    s.prompts().information("Imported " + FileNameOf(*path) + " into set " + std::to_string(s.CurrentSet() + 1) +
                            " (scale " + std::to_string(done->scale) + ").\nGlyphs changed: " +
                            std::to_string(done->changed) + (beyond.empty() ? std::string() : "\n\n" + beyond));
}

Result<SetSheetImporting::SheetImported> SetSheetImporting::ImportPng(const std::string& path,
                                                                      std::optional<int> scale) {
    Session& s = session_;
    const int set = s.CurrentSet();
    if (!s.langpack() || set < 0) return MakeError(ErrorKind::Usage, "no set is shown");
    const Result<std::vector<uint8_t>> file = ReadWholeFile(path, kMaxPictureFileSize);
    if (!file) return file.error();
    const Result<RgbaImage> picture = ReadPng(*file);
    if (!picture) return MakeError(picture.error().kind, FileError("read", path, picture.error().message));
    const SheetImage sheet{picture->width, picture->height, GreyOverWhite(*picture)};
    const Result<SheetImport> read = ReadSetSheet(*s.langpack(), set, sheet, scale);
    if (!read) return MakeError(read.error().kind, FileError("import", path, read.error().message));

    SheetImported imported{read->scale, static_cast<int>(read->changed.size()), read->inkBeyondWidth};
    if (read->changed.empty()) return imported;
    const std::vector<Symbols>& glyphs = s.langpack()->glyphs(set);
    Session::LangpackStep step = s.beginStep(kImportPngTitle, set);
    for (int g : read->changed)
        s.StoreGlyph(set, g, glyphs[static_cast<std::size_t>(g)].Width, read->rows[static_cast<std::size_t>(g)]);
    if (std::find(read->changed.begin(), read->changed.end(), s.CurrentSymbol()) != read->changed.end())
        s.ReloadWorkingGlyph();
    step.commit(imported.changed);
    return imported;
}

}  // namespace glyphora
