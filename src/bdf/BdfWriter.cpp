#include "BdfWriter.h"

#include <HexText.h>

namespace glyphora {

namespace {

class Text {
public:
    // One line: the keyword, then each part after a space.
    template <class... Parts>
    void Line(std::string_view keyword, const Parts&... parts) {
        out_.append(keyword);
        (Append(parts), ...);
        out_.push_back('\n');
    }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;

    void Append(std::string_view part) {
        if (part.empty()) return;  // "FONT" with an empty name, not "FONT "
        out_.push_back(' ');
        out_.append(part);
    }
    void Append(const std::string& part) { Append(std::string_view(part)); }
    void Append(const char* part) { Append(std::string_view(part)); }
    void Append(int32_t n) { Append(std::string_view(std::to_string(n))); }
};

void Line(Text& text, std::string_view keyword, const BdfVector& v) { text.Line(keyword, v.X, v.Y); }
void Line(Text& text, std::string_view keyword, const BdfBox& b) { text.Line(keyword, b.Width, b.Height, b.X, b.Y); }

std::string PropertyValue(const BdfProperty& p) {
    if (!p.Quoted) return p.Value;
    std::string quoted = "\"";
    for (char c : p.Value) {
        if (c == '"') quoted.push_back('"');
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

void Bitmap(Text& text, const BdfGlyph& g) {
    const std::size_t rowBytes = static_cast<std::size_t>(g.RowBytes());
    for (std::size_t row = 0; row < static_cast<std::size_t>(g.Box.Height) && rowBytes > 0; ++row) {
        std::string hex;
        for (std::size_t b = 0; b < rowBytes; ++b) {
            const std::size_t at = row * rowBytes + b;
            const uint8_t byte = at < g.Bitmap.size() ? g.Bitmap[at] : 0;
            hex += UpperHex(byte, 2);
        }
        text.Line(hex);
    }
}

}  // namespace

std::string WriteBdf(const BdfFont& font) {
    Text text;
    text.Line("STARTFONT", font.Version);
    for (const std::string& comment : font.Comments) text.Line("COMMENT", comment);
    text.Line("FONT", font.Name);
    text.Line("SIZE", font.PointSize, font.ResolutionX, font.ResolutionY);
    Line(text, "FONTBOUNDINGBOX", font.BoundingBox);
    if (font.SWidth) Line(text, "SWIDTH", *font.SWidth);
    if (font.DWidth) Line(text, "DWIDTH", *font.DWidth);
    if (!font.Properties.empty()) {
        text.Line("STARTPROPERTIES", static_cast<int32_t>(font.Properties.size()));
        for (const BdfProperty& p : font.Properties) text.Line(p.Name, PropertyValue(p));
        text.Line("ENDPROPERTIES");
    }
    text.Line("CHARS", static_cast<int32_t>(font.Glyphs.size()));
    for (const BdfGlyph& g : font.Glyphs) {
        text.Line("STARTCHAR", g.Name);
        if (g.NonStandardEncoding && g.Encoding == -1)
            text.Line("ENCODING", g.Encoding, *g.NonStandardEncoding);
        else
            text.Line("ENCODING", g.Encoding);
        if (g.SWidth) Line(text, "SWIDTH", *g.SWidth);
        if (g.DWidth) Line(text, "DWIDTH", *g.DWidth);
        Line(text, "BBX", g.Box);
        text.Line("BITMAP");
        Bitmap(text, g);
        text.Line("ENDCHAR");
    }
    text.Line("ENDFONT");
    return text.Take();
}

}  // namespace glyphora
