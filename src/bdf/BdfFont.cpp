#include "BdfFont.h"

#include <algorithm>
#include <charconv>

namespace glyphora {

bool BdfGlyph::IsInk(int column, int row) const {
    if (column < 0 || row < 0 || column >= Box.Width || row >= Box.Height) return false;
    const std::size_t at =
        static_cast<std::size_t>(row) * static_cast<std::size_t>(RowBytes()) + static_cast<std::size_t>(column / 8);
    return at < Bitmap.size() && (Bitmap[at] & (0x80 >> (column % 8))) != 0;
}

bool BdfGlyph::HasInk() const {
    for (int row = 0; row < Box.Height; ++row)
        for (int column = 0; column < Box.Width; ++column)
            if (IsInk(column, row)) return true;
    return false;
}

const BdfProperty* BdfFont::FindProperty(std::string_view name) const {
    for (const BdfProperty& p : Properties)
        if (p.Name == name) return &p;
    return nullptr;
}

std::optional<int64_t> PropertyInteger(const BdfProperty& property) {
    std::string_view text = property.Value;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

namespace {

// A FONT_ASCENT or FONT_DESCENT that can be used, else the fallback.
int MetricProperty(const BdfFont& font, std::string_view name, int64_t fallback) {
    int64_t value = fallback;
    if (const BdfProperty* p = font.FindProperty(name)) {
        if (const std::optional<int64_t> n = PropertyInteger(*p)) value = *n;
    }
    return static_cast<int>(std::clamp<int64_t>(value, -kMaxBdfCoordinate, kMaxBdfCoordinate));
}

}  // namespace

int BdfAscent(const BdfFont& font) {
    return MetricProperty(font, "FONT_ASCENT", int64_t{font.BoundingBox.Height} + font.BoundingBox.Y);
}

int BdfDescent(const BdfFont& font) { return MetricProperty(font, "FONT_DESCENT", -int64_t{font.BoundingBox.Y}); }

int BdfAdvance(const BdfFont& font, const BdfGlyph& glyph) {
    if (glyph.DWidth) return glyph.DWidth->X;
    if (font.DWidth) return font.DWidth->X;
    return static_cast<int>(std::clamp<int64_t>(int64_t{glyph.Box.X} + glyph.Box.Width, 0, INT32_MAX));
}

}  // namespace glyphora
