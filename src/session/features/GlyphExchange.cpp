#include "GlyphExchange.h"

#include "FileNames.h"
#include "FileOpening.h"
#include "Session.h"

#include <BmpReader.h>
#include <BmpWriter.h>
#include <ColorReduce.h>
#include <FileLayer.h>
#include <HexText.h>

#include <cctype>
#include <filesystem>

namespace glyphora {

namespace {

std::string SizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

Prompts::FileDialog BitmapDialog(const Session& session, std::string title) {
    Prompts::FileDialog dialog;
    dialog.title = std::move(title);
    dialog.filters = {"Bitmaps (*.bmp)"};
    dialog.folder = FolderOf(session.CurrentFileName());
    dialog.kind = "pictures";
    return dialog;
}

}  // namespace

std::string BmpSuggestedName(int setNumber, uint16_t code) {
    return "set" + std::to_string(setNumber) + "-" + UpperHex(code, 4) + ".bmp";
}

std::string BmpExportName(const std::string& chosen) { return WithExtension(chosen, ".bmp"); }

bool IsPictureFile(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".bmp" || extension == ".png";
}

Status WriteGlyphBmp(const std::string& path, const MonoImage& image) {
    const std::vector<uint8_t> bytes = WriteMonoBmp(image);
    if (bytes.empty())
        return MakeError(ErrorKind::Refused, FileError("write", path,
                                                       "a picture of " + SizeText(image.width(), image.height()) +
                                                           " pixels has no BMP form"));
    return WriteFileAtomically(path, bytes);
}

Result<MonoImage> DecodeBmpPicture(std::span<const uint8_t> file, const std::string& path, int maxWidth,
                                   int maxHeight) {
    Result<RgbaImage> decoded = ReadBmp(file, maxWidth, maxHeight);
    if (!decoded) return MakeError(decoded.error().kind, FileError("read", path, decoded.error().message));
    return ReduceToMono(*decoded);
}

Result<MonoImage> ReadBmpPicture(const std::string& path, int maxWidth, int maxHeight) {
    Result<std::vector<uint8_t>> file = ReadWholeFile(path, kMaxPictureFileSize);
    if (!file) return file.error();
    return DecodeBmpPicture(*file, path, maxWidth, maxHeight);
}

bool PicturePlacement::GlyphTakesPicture() {
    if (!session_.glyphShown()) return false;
    const GlyphEditor& editor = session_.editor();
    if (editor.GlyphWidth() > 0 && editor.GlyphHeight() > 0) return true;
    session_.prompts().warning("The current symbol is " + SizeText(editor.GlyphWidth(), editor.GlyphHeight()) +
                               " pixels: there is no room for a picture. Give it a width first.");
    return false;
}

bool PicturePlacement::Place(const MonoImage& picture) {
    if (!GlyphTakesPicture() || picture.isEmpty()) return false;
    session_.editor().PlaceFloatingImage(picture);
    return true;
}

void GlyphExchange::ExportInBitmap() {
    if (!session_.glyphShown()) return;
    GlyphEditor& editor = session_.editor();
    if (editor.GlyphWidth() <= 0 || editor.GlyphHeight() <= 0) {
        session_.prompts().warning("The current symbol is " + SizeText(editor.GlyphWidth(), editor.GlyphHeight()) +
                                   " pixels: there is nothing to export.");
        return;
    }
    Prompts::FileDialog dialog = BitmapDialog(session_, "Export in bitmap");
    dialog.suggestedName = BmpSuggestedName(session_.CurrentSet() + 1, session_.workingGlyph()->Code);
    const std::optional<std::string> chosen = session_.prompts().chooseSaveFile(dialog);
    if (!chosen || chosen->empty()) return;
    // A floating selection belongs to what is exported.
    editor.FalseGoBegin();
    const std::string path = BmpExportName(*chosen);
    if (session_.document() && SameFile(path, session_.document()->path())) {
        session_.prompts().error("The bitmap could not be written:\n" + path + " is the open langpack.");
        return;
    }
    if (const Status written = WriteGlyphBmp(path, editor.EditImage()); !written)
        session_.prompts().error("The bitmap could not be written:\n" + written.error().message);
}

void GlyphExchange::ImportFromBitmap() {
    if (!PicturePlacement(session_).GlyphTakesPicture()) return;
    Prompts::FileDialog dialog = BitmapDialog(session_, "Import from bitmap");
    dialog.filters.push_back("Images (*.bmp *.png)");
    const std::optional<std::string> path = session_.prompts().chooseOpenFile(dialog);
    if (!path || path->empty()) return;
    ImportPicture(*path);
}

void GlyphExchange::OpenDroppedFile(const std::string& path) {
    if (!IsPictureFile(path)) {
        FileOpening(session_).OpenNamedFile(path);
        return;
    }
    // Import from bitmap is not offered then; a drop has to say why nothing happens.
    if (!session_.glyphShown()) {
        session_.prompts().warning("The picture " + path +
                                   " was not imported: open a langpack and choose a glyph to put it on first.");
        return;
    }
    if (PicturePlacement(session_).GlyphTakesPicture()) ImportPicture(path);
}

void GlyphExchange::ImportPicture(const std::string& path) {
    const GlyphEditor& editor = session_.editor();
    // Read before anything changes: a file that cannot be read leaves all as it was.
    const Result<MonoImage> picture = reader_.ReadPicture(path, editor.GlyphWidth(), editor.GlyphHeight());
    if (!picture) {
        session_.prompts().error("The picture could not be imported:\n" + picture.error().message);
        return;
    }
    if (picture->isEmpty()) {
        session_.prompts().error("The picture could not be imported:\n" +
                                 FileError("read", path, "the picture has no pixels"));
        return;
    }
    PicturePlacement(session_).Place(*picture);
}

}  // namespace glyphora
