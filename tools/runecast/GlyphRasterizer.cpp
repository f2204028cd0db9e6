#include "GlyphRasterizer.h"

#include "RenderRequest.h"

#include <HexText.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_SYNTHESIS_H

#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

namespace glyphora::runecast {

namespace {

// FreeType's own synthetic oblique leans by this much per pixel of height
// (FT_GlyphSlot_Oblique, about 12 degrees); bitmap glyphs lean the same.
constexpr double kObliqueShear = 0x0366A / 65536.0;

class FreeTypeLibrary {
public:
    FreeTypeLibrary() { error_ = FT_Init_FreeType(&library_); }
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
    ~FreeTypeLibrary() {
        if (!error_) FT_Done_FreeType(library_);  // also closes the faces
    }
    FT_Error error() const { return error_; }
    FT_Library get() const { return library_; }

private:
    FT_Library library_ = nullptr;
    FT_Error error_ = 0;
};

class ConvertedBitmap {
public:
    explicit ConvertedBitmap(FT_Library library) : library_(library) { FT_Bitmap_Init(&bitmap_); }
    ConvertedBitmap(const ConvertedBitmap&) = delete;
    ConvertedBitmap& operator=(const ConvertedBitmap&) = delete;
    ~ConvertedBitmap() { FT_Bitmap_Done(library_, &bitmap_); }
    FT_Bitmap* get() { return &bitmap_; }

private:
    FT_Library library_;
    FT_Bitmap bitmap_;
};

// FT_Error_String answers only when FreeType was built with its texts, so
// the table comes from FreeType's error list itself.
// clang-format off
const char* FreeTypeErrorText(FT_Error error) {
#undef FTERRORS_H_
#define FT_ERROR_START_LIST switch (error) {
#define FT_ERRORDEF(e, v, s) \
    case v:                  \
        return s;
#define FT_ERROR_END_LIST }
#include FT_ERRORS_H
    return nullptr;
}
// clang-format on

std::string FreeTypeMessage(FT_Error error) {
    if (const char* text = FreeTypeErrorText(error)) return text;
    return "FreeType error " + std::to_string(error);
}

int RoundPixels(FT_Pos value26_6) { return static_cast<int>((value26_6 + 32) >> 6); }  // FT_Pos is 26.6

struct LineMetrics {
    int ascent = 0;
    int descent = 0;
};

Result<LineMetrics> SizeScalable(FT_Face face, int height, const std::string& path) {
    // A broken font may give no line height; its em then stands in for it.
    FT_Long ascender = face->ascender;
    FT_Long descender = face->descender;
    if (ascender - descender <= 0) {
        ascender = face->units_per_EM;
        descender = 0;
    }
    FT_Error error = 0;
    if (height < 0) {
        error = FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(-height));
    } else if (face->ascender - face->descender > 0) {
        // Scaled so that ascender - descender, the cell, is height pixels.
        FT_Size_RequestRec request{};
        request.type = FT_SIZE_REQUEST_TYPE_REAL_DIM;
        request.height = FT_Long{height} * 64;
        error = FT_Request_Size(face, &request);
    } else {
        error = FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(height));
    }
    if (error) {
        return MakeError(ErrorKind::Malformed, "cannot scale font '" + path + "' to height " + std::to_string(height) +
                                                   ": " + FreeTypeMessage(error));
    }
    const FT_Fixed scale = face->size->metrics.y_scale;
    LineMetrics line;
    line.ascent = RoundPixels(FT_MulFix(ascender, scale));
    line.descent = height > 0 ? height - line.ascent : RoundPixels(FT_MulFix(-descender, scale));
    return line;
}

Result<LineMetrics> SelectStrike(FT_Face face, int height, const std::string& path) {
    // Negative heights compare with a strike's em size, positive ones with its
    // line height; on a tie the smaller strike wins.
    const int wanted = std::abs(height);
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        const FT_Bitmap_Size& size = face->available_sizes[i];
        const long have = height < 0 ? RoundPixels(size.y_ppem) : long{size.height};
        const long distance = std::labs(have - wanted);
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    if (const FT_Error error = FT_Select_Size(face, best)) {
        return MakeError(ErrorKind::Malformed,
                         "cannot select a size of font '" + path + "': " + FreeTypeMessage(error));
    }
    LineMetrics line;
    line.ascent = RoundPixels(face->size->metrics.ascender);
    line.descent = RoundPixels(-face->size->metrics.descender);
    if (line.ascent + line.descent <= 0) {
        line.ascent = face->available_sizes[best].height;
        line.descent = 0;
    }
    return line;
}

FT_UInt GlyphIndex(FT_Face face, uint16_t code) {
    // A font without a Unicode map (a PCF in a legacy encoding) is asked by
    // its own first map, with the code as it is.
    if (!face->charmap && face->num_charmaps > 0) FT_Set_Charmap(face, face->charmaps[0]);
    FT_UInt index = FT_Get_Char_Index(face, code);
    // Symbol fonts keep their characters at U+F000 + code.
    if (index == 0 && code < 0x100 && face->charmap && face->charmap->encoding == FT_ENCODING_MS_SYMBOL) {
        index = FT_Get_Char_Index(face, 0xF000u + code);
    }
    return index;
}

// Whether the pixel at column x of a bitmap row is ink. MONO: one bit per
// pixel, most significant first; GRAY: one byte, ink from half coverage on.
bool Inked(const FT_Bitmap& bitmap, const unsigned char* row, unsigned x) {
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return (row[x / 8] & (0x80u >> (x % 8))) != 0;
    return unsigned{row[x]} * 2 >= std::max(2u, unsigned{bitmap.num_grays});
}

Status Blit(const FT_Bitmap& bitmap, int left, int top, int ascent, bool lean, MonoImage& image) {
    if (bitmap.rows == 0 || bitmap.width == 0) return {};  // a blank such as U+0020
    const std::size_t pitch = static_cast<std::size_t>(std::abs(bitmap.pitch));
    const std::size_t needed =
        bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? (std::size_t{bitmap.width} + 7) / 8 : std::size_t{bitmap.width};
    if (!bitmap.buffer || pitch < needed) {
        return MakeError(ErrorKind::Malformed, "FreeType gave a bitmap whose rows are shorter than its width");
    }
    for (unsigned r = 0; r < bitmap.rows; ++r) {
        const long y = long{ascent} - top + long{r};
        if (y < 0) continue;
        if (y >= image.height()) break;
        // With a negative pitch the rows are stored bottom-up from buffer.
        const std::size_t rowIndex = bitmap.pitch >= 0 ? r : bitmap.rows - 1 - r;
        const unsigned char* row = bitmap.buffer + rowIndex * pitch;
        long x0 = left;
        if (lean) x0 += std::lround((double(ascent) - double(y) - 0.5) * kObliqueShear);
        const long first = std::max(0L, -x0);
        const long last = std::min(long{bitmap.width}, long{image.width()} - x0);
        for (long c = first; c < last; ++c) {
            if (Inked(bitmap, row, static_cast<unsigned>(c))) {
                image.setPixel(static_cast<int>(x0 + c), static_cast<int>(y), Pixel::Ink);
            }
        }
    }
    return {};
}

}  // namespace

struct OpenFace::Library {
    FreeTypeLibrary library;
    FT_Face face = nullptr;
    // Setting a size runs the font's own size program (TrueType's prep)
    // again, most of the cost of a small glyph: a batch in one size sets it
    // once. Nothing while the face's size is unknown (before the first, after
    // a failed one).
    std::optional<std::pair<int, LineMetrics>> sized;
};

OpenFace::OpenFace(FontChoice font, std::unique_ptr<Library> library)
    : font_(std::move(font)), library_(std::move(library)) {}
OpenFace::OpenFace(OpenFace&&) noexcept = default;
OpenFace& OpenFace::operator=(OpenFace&&) noexcept = default;
OpenFace::~OpenFace() = default;

Result<OpenFace> OpenFace::Open(const FontChoice& font) {
    const std::string& path = font.path;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int err = errno;
        return MakeError(err == ENOENT ? ErrorKind::Missing : ErrorKind::Io,
                         "cannot open font file '" + path + "': " + std::strerror(err));
    }
    auto library = std::make_unique<Library>();
    if (library->library.error()) {
        return MakeError(ErrorKind::Failed, "FreeType could not start: " + FreeTypeMessage(library->library.error()));
    }
    if (const FT_Error error = FT_New_Face(library->library.get(), path.c_str(), font.faceIndex, &library->face)) {
        return MakeError(ErrorKind::Malformed, "cannot read font file '" + path + "': " + FreeTypeMessage(error));
    }
    return OpenFace(font, std::move(library));
}

namespace {

// The largest em size in pixels whose line (ascent + descent, each rounded)
// is at most `rows`; 1 when even that is taller.
int FitScalable(FT_Face face, int rows) {
    const FT_Long ascender = face->ascender - face->descender > 0 ? face->ascender : face->units_per_EM;
    const FT_Long descender = face->ascender - face->descender > 0 ? -face->descender : 0;
    const long em = std::max<long>(1, face->units_per_EM);
    auto line = [&](long size) {
        return (ascender * size * 2 + em) / (em * 2) + (descender * size * 2 + em) / (em * 2);
    };
    long low = 1, high = kMaxHeight;
    while (low < high) {
        const long mid = (low + high + 1) / 2;
        if (line(mid) <= rows)
            low = mid;
        else
            high = mid - 1;
    }
    return static_cast<int>(low);
}

// The strike whose line is tallest within `rows`; the shortest when none fits.
// As a height of the cell's convention, which SelectStrike compares with.
int FitStrike(FT_Face face, int rows) {
    int best = -1, shortest = -1;
    for (int i = 0; i < face->num_fixed_sizes; ++i) {
        const int line = face->available_sizes[i].height;
        if (line <= rows && (best < 0 || line > best)) best = line;
        if (shortest < 0 || line < shortest) shortest = line;
    }
    return std::max(1, best >= 0 ? best : shortest);
}

}  // namespace

Result<DrawnGlyph> OpenFace::draw(int height, int fitRows, uint16_t code) {
    const FontChoice& font = font_;
    const std::string& path = font.path;
    FT_Face face = library_->face;
    FT_Library library = library_->library.get();

    const FT_UInt index = GlyphIndex(face, code);
    if (index == 0) {
        return MakeError(ErrorKind::Unsupported, "font '" + path + "' has no glyph for " + CodeName(code));
    }

    const bool scalable = FT_IS_SCALABLE(face);
    auto size = [&](int wanted) -> Result<LineMetrics> {
        if (library_->sized && library_->sized->first == wanted) return library_->sized->second;
        library_->sized.reset();
        Result<LineMetrics> set =
            scalable ? SizeScalable(face, wanted, path)
            : face->num_fixed_sizes > 0
                ? SelectStrike(face, wanted, path)
                : Result<LineMetrics>(MakeError(ErrorKind::Malformed, "font file '" + path + "' has no sizes"));
        if (set) library_->sized.emplace(wanted, *set);
        return set;
    };
    if (fitRows > 0) {
        height = scalable ? -FitScalable(face, fitRows) : face->num_fixed_sizes > 0 ? FitStrike(face, fitRows) : height;
    }
    Result<LineMetrics> line = size(height);
    if (!line) return line.error();
    // Rounding may still give a line a pixel too tall: one size less then.
    while (fitRows > 0 && scalable && height < -1 && line->ascent + line->descent > fitRows) {
        ++height;
        line = size(height);
        if (!line) return line.error();
    }
    const int ascent = std::clamp(line->ascent, 0, kMaxSide);
    const int descent = std::clamp(line->descent, 0, kMaxSide - ascent);
    FT_Int32 flags = FT_LOAD_TARGET_MONO;
    // Embedded bitmaps cannot lean; the outline can.
    if (font.syntheticOblique && scalable) flags |= FT_LOAD_NO_BITMAP;
    if (const FT_Error error = FT_Load_Glyph(face, index, flags)) {
        return MakeError(ErrorKind::Malformed, "cannot load the glyph for " + CodeName(code) + " from '" + path +
                                                   "': " + FreeTypeMessage(error));
    }
    FT_GlyphSlot slot = face->glyph;
    const bool outline = slot->format == FT_GLYPH_FORMAT_OUTLINE;
    if (font.syntheticOblique && outline) FT_GlyphSlot_Oblique(slot);
    if (font.syntheticBold) FT_GlyphSlot_Embolden(slot);  // widens the advance too
    if (slot->format != FT_GLYPH_FORMAT_BITMAP) {
        if (const FT_Error error = FT_Render_Glyph(slot, FT_RENDER_MODE_MONO)) {
            return MakeError(ErrorKind::Malformed, "cannot draw the glyph for " + CodeName(code) + " from '" + path +
                                                       "': " + FreeTypeMessage(error));
        }
    }

    const FT_Bitmap* bitmap = &slot->bitmap;
    ConvertedBitmap converted(library);
    if (bitmap->pixel_mode != FT_PIXEL_MODE_MONO && bitmap->pixel_mode != FT_PIXEL_MODE_GRAY) {
        // Two- and four-bit grey, LCD and colour strikes: reduced to 8-bit grey.
        if (const FT_Error error = FT_Bitmap_Convert(library, bitmap, converted.get(), 1)) {
            return MakeError(ErrorKind::Malformed, "cannot use the bitmap of " + CodeName(code) + " from '" + path +
                                                       "': " + FreeTypeMessage(error));
        }
        bitmap = converted.get();  // num_grays tells its levels
    }

    const long advance = std::clamp<long>(RoundPixels(slot->advance.x), 1, kMaxSide);
    MonoImage image(static_cast<int>(advance), std::max(1, ascent + descent));
    const bool lean = font.syntheticOblique && !outline;
    if (Status drawn = Blit(*bitmap, slot->bitmap_left, slot->bitmap_top, ascent, lean, image); !drawn) {
        return drawn.error();
    }
    DrawnGlyph drawn;
    drawn.image = std::move(image);
    drawn.ascent = ascent;
    drawn.pixelSize = face->size->metrics.y_ppem;
    return drawn;
}

Result<MonoImage> RenderGlyph(const FontChoice& font, int height, uint16_t code) {
    Result<OpenFace> face = OpenFace::Open(font);
    if (!face) return face.error();
    Result<DrawnGlyph> drawn = face->draw(height, 0, code);
    if (!drawn) return drawn.error();
    return std::move(drawn->image);
}

}  // namespace glyphora::runecast
