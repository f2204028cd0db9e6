// Glyphs on the clipboard between editors: their codes, widths and rows with
// the height of the set they came from, as a short text that any two builds
// read alike. The reader takes whatever another program left there, so it
// checks every count and length before it keeps anything.
#pragma once

#include "Langpack.h"

#include <Error.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// The private clipboard type the text travels under.
inline constexpr const char* kGlyphClipMimeType = "application/x-glyphora-glyphs";
// Far above what 1001 glyphs of 255 rows of two bytes take.
inline constexpr std::size_t kMaxGlyphClipSize = std::size_t{2} << 20;

struct ClipGlyph {
    uint16_t code = 0;
    uint8_t width = 0;
    std::vector<uint8_t> rows;  // memory form, GlyphDataSize(width, height) bytes
    bool operator==(const ClipGlyph&) const = default;
};

struct GlyphClip {
    int height = 0;
    std::vector<ClipGlyph> glyphs;  // in the order they were chosen
    bool operator==(const GlyphClip&) const = default;
};

// Glyph indices of one set, in that order; indices the set lacks are left out.
GlyphClip ClipOfGlyphs(const TLangpack& lp, int set, const std::vector<int>& glyphs);

std::string WriteGlyphClip(const GlyphClip& clip);

// Malformed, naming the line and what is wrong, for anything but the text
// WriteGlyphClip makes (any height of 1 to 255, 1 to 1001 glyphs).
Result<GlyphClip> ReadGlyphClip(std::string_view text);

}  // namespace glyphora
