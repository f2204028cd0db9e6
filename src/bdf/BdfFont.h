// A bitmap font in the X11 BDF 2.1 form, as text files of FontForge, gbdfed,
// bdftopcf/pcf2bdf and otf2bdf hold it: the font-wide lines, the properties
// and the glyphs with their bitmaps. What a reader keeps is what a writer
// writes back, so a font read, written and read again is the same font.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// Limits a font must keep to be read; nothing larger is allocated.
inline constexpr int kMaxBdfGlyphs = 65536;
inline constexpr int kMaxBdfProperties = 65536;
inline constexpr int32_t kMaxBdfBoxSize = 1024;      // BBX and FONTBOUNDINGBOX width and height
inline constexpr int32_t kMaxBdfCoordinate = 16384;  // box offsets, FONT_ASCENT, FONT_DESCENT

struct BdfVector {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const BdfVector&) const = default;
};

// BBX: the size of a bitmap and where its lower-left corner lies from the
// glyph's origin on the baseline (Y grows upwards).
struct BdfBox {
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const BdfBox&) const = default;
};

struct BdfProperty {
    std::string Name;
    std::string Value;    // without the quotes, a doubled quote made single
    bool Quoted = false;  // a string value ("ISO10646") rather than a number or bare word
    bool operator==(const BdfProperty&) const = default;
};

struct BdfGlyph {
    std::string Name;                            // STARTCHAR
    int32_t Encoding = -1;                       // the code; -1 = none in the font's encoding
    std::optional<int32_t> NonStandardEncoding;  // n of "ENCODING -1 n"
    std::optional<BdfVector> SWidth;
    std::optional<BdfVector> DWidth;  // none: the font's DWIDTH applies
    BdfBox Box;
    // Box.Height rows of RowBytes() bytes, top row first, the most significant
    // bit leftmost, 1 = ink; bits right of Box.Width are 0.
    std::vector<uint8_t> Bitmap;

    int RowBytes() const { return (Box.Width + 7) / 8; }
    // Whether bitmap pixel (column, row) is ink; pixels outside the box are not.
    bool IsInk(int column, int row) const;
    bool HasInk() const;
    bool operator==(const BdfGlyph&) const = default;
};

struct BdfFont {
    std::string Version = "2.1";        // of STARTFONT
    std::vector<std::string> Comments;  // every COMMENT of the file, in order
    std::string Name;                   // FONT
    int32_t PointSize = 0;              // SIZE
    int32_t ResolutionX = 72;
    int32_t ResolutionY = 72;
    BdfBox BoundingBox;               // FONTBOUNDINGBOX
    std::optional<BdfVector> SWidth;  // font-wide defaults for the glyphs
    std::optional<BdfVector> DWidth;
    std::vector<BdfProperty> Properties;  // file order
    std::vector<BdfGlyph> Glyphs;         // file order

    // The first property of that name, or null.
    const BdfProperty* FindProperty(std::string_view name) const;
    bool operator==(const BdfFont&) const = default;
};

// A property's value as a whole number (quoted or not), if it is one.
std::optional<int64_t> PropertyInteger(const BdfProperty& property);

// Rows above the baseline: FONT_ASCENT, else the top of FONTBOUNDINGBOX.
int BdfAscent(const BdfFont& font);
// Rows below the baseline: FONT_DESCENT, else the bottom of FONTBOUNDINGBOX.
int BdfDescent(const BdfFont& font);

// How far the glyph moves the pen: its DWIDTH, else the font's, else the
// right edge of its bitmap.
int BdfAdvance(const BdfFont& font, const BdfGlyph& glyph);

}  // namespace glyphora
