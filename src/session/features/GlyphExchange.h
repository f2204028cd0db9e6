// Pictures in and out of the working glyph: "Export in bitmap" writes it as a
// 1-bit BMP, "Import from bitmap" floats a picture file over it, and the
// placing that Import, Paste and Insert text share. A picture is always read
// whole before anything of the glyph changes, so a file that cannot be read
// leaves the glyph, its snapshot, the modified flags and the tool as they were.
#pragma once

#include <Error.h>
#include <MonoImage.h>

#include <cstdint>
#include <span>
#include <string>

namespace glyphora {

class Session;

// The name "Export in bitmap" suggests: "set2-0416.bmp" for U+0416 of set 2.
std::string BmpSuggestedName(int setNumber, uint16_t code);

// The name an export writes to: ".bmp" appended when the chosen name has no
// extension (no dot after its last path separator); any other name as chosen.
std::string BmpExportName(const std::string& chosen);

// EditImage as a BMP of 1 bit per pixel (index 0 black, 1 white) of the
// image's whole width, replacing the file atomically. Refused for an image
// without pixels, which no BMP reader would take back.
Status WriteGlyphBmp(const std::string& path, const MonoImage& image);

// A BMP file's top-left maxWidth x maxHeight pixels in ink and paper; only
// that part is decoded. Every refusal names the file and says why.
Result<MonoImage> DecodeBmpPicture(std::span<const uint8_t> file, const std::string& path, int maxWidth, int maxHeight);
Result<MonoImage> ReadBmpPicture(const std::string& path, int maxWidth, int maxHeight);

// Reads the picture files that Import from bitmap takes. The toolkit-free
// reader takes BMP files; the window's reader adds the toolkit's formats.
class PictureReader {
public:
    virtual ~PictureReader() = default;
    // The picture's top-left maxWidth x maxHeight pixels in ink and paper.
    virtual Result<MonoImage> ReadPicture(const std::string& path, int maxWidth, int maxHeight) const = 0;
};

class BmpPictureReader final : public PictureReader {
public:
    Result<MonoImage> ReadPicture(const std::string& path, int maxWidth, int maxHeight) const override {
        return ReadBmpPicture(path, maxWidth, maxHeight);
    }
};

// The placing that Import, Paste and Insert text share.
class PicturePlacement {
public:
    explicit PicturePlacement(Session& session) : session_(session) {}

    // True when a glyph is shown and it has pixels to put a picture on;
    // otherwise a glyph without width or height is told so.
    bool GlyphTakesPicture();
    // Floats a picture at the top-left corner of the working glyph, clipped to
    // it (the selection tool pressed, the glyph modified, the snapshot taken).
    // False, with nothing changed, when the glyph takes no picture (the user is
    // told) or the picture has no pixels.
    bool Place(const MonoImage& picture);

private:
    Session& session_;
};

// Whether a file is a picture Import from bitmap takes: .bmp or .png, in any case.
bool IsPictureFile(const std::string& path);

// The two menu commands, and a picture dropped on the window.
class GlyphExchange {
public:
    GlyphExchange(Session& session, const PictureReader& reader) : session_(session), reader_(reader) {}

    // "Export in bitmap": the save dialog, the selection dropped, EditImage written.
    void ExportInBitmap();
    // "Import from bitmap": the open dialog, the picture read, then placed.
    void ImportFromBitmap();
    // A file dropped on the window: a picture is imported onto the glyph
    // shown as Import from bitmap imports it (refused, with a message, when
    // no glyph is shown); any other file is opened as a named file.
    void OpenDroppedFile(const std::string& path);

private:
    void ImportPicture(const std::string& path);

    Session& session_;
    const PictureReader& reader_;
};

}  // namespace glyphora
