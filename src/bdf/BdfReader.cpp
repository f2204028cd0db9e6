// The reader walks the text line by line: the font-wide part up to CHARS,
// then one glyph after another up to ENDFONT. Every number is read into a
// 64-bit value, checked against its limit and only then used; a bitmap is
// reserved only once its BBX has been checked.
#include "BdfReader.h"

#include <FileLayer.h>
#include <HexText.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

namespace glyphora {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Tokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) tokens.push_back(text.substr(start, i - start));
    }
    return tokens;
}

std::optional<int64_t> Integer(std::string_view token) {
    if (!token.empty() && token.front() == '+') token.remove_prefix(1);
    int64_t value = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || ec != std::errc() || end != token.data() + token.size()) return std::nullopt;
    return value;
}

// A sign and digits: a number, if perhaps one too large for 64 bits.
bool IsDigits(std::string_view token) {
    if (!token.empty() && (token.front() == '+' || token.front() == '-')) token.remove_prefix(1);
    return !token.empty() && std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Quote(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string shown(text.substr(0, kShown));
    if (text.size() > kShown) shown += "...";
    return "'" + shown + "'";
}

std::string Plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The line being read: its number from 1, its text without the line end, its
// keyword and the text after the keyword.
struct Line {
    std::size_t number = 0;
    std::string_view text;
    std::string_view keyword;
    std::string_view rest;
};

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {
        // A byte-order mark is not text of the font.
        if (text_.starts_with("\xEF\xBB\xBF")) text_.remove_prefix(3);
    }

    Result<BdfFont> Run() {
        if (Status s = Header(); !s) return s.error();
        if (Status s = CheckFontWide(); !s) return s.error();
        if (Status s = Glyphs(); !s) return s.error();
        if (Status s = Trailer(); !s) return s.error();
        return std::move(font_);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t lineNumber_ = 0;
    BdfFont font_;
    std::size_t fontLine_ = 0, sizeLine_ = 0, boxLine_ = 0, charsLine_ = 0;
    std::vector<std::size_t> propertyLines_;  // the line of each property

    static Error At(std::size_t line, const std::string& what, ErrorKind kind = ErrorKind::Malformed) {
        return MakeError(kind, "line " + std::to_string(line) + ": " + what);
    }
    Error AtEnd(const std::string& what) const {
        return At(std::max<std::size_t>(lineNumber_, 1), "the file ends " + what);
    }

    // The next line, or nothing at the end of the text. A line with a
    // control character is refused: BDF is printable text.
    Result<std::optional<Line>> Next() {
        if (pos_ >= text_.size()) return std::optional<Line>();
        const std::size_t end = text_.find('\n', pos_);
        std::string_view text = text_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        ++lineNumber_;
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte < 0x20 && c != '\t') || byte == 0x7F) {
                return At(lineNumber_, "a control character (0x" + UpperHex(byte, 2) + "): this is not BDF text");
            }
        }
        Line line;
        line.number = lineNumber_;
        line.text = Trim(text);
        std::size_t k = 0;
        while (k < line.text.size() && !IsBlank(line.text[k])) ++k;
        line.keyword = line.text.substr(0, k);
        line.rest = Trim(line.text.substr(k));
        return std::optional<Line>(line);
    }

    // Exactly `count` whole numbers after the keyword, each within [low, high].
    Status Numbers(const Line& line, std::span<int64_t> out, std::size_t minCount, const char* meaning,
                   int64_t low = INT32_MIN, int64_t high = INT32_MAX) const {
        const std::vector<std::string_view> tokens = Tokens(line.rest);
        if (tokens.size() < minCount || tokens.size() > out.size())
            return At(line.number, std::string(line.keyword) + " needs " + meaning + ", not " + Quote(line.rest));
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const std::optional<int64_t> n = Integer(tokens[i]);
            if (!n && IsDigits(tokens[i]))
                return At(line.number, std::string(line.keyword) + ": " + Quote(tokens[i]) + " is out of range");
            if (!n)
                return At(line.number, std::string(line.keyword) + ": " + Quote(tokens[i]) + " is not a whole number");
            if (*n < low || *n > high)
                return At(line.number, std::string(line.keyword) + ": " + std::to_string(*n) + " is out of range (" +
                                           std::to_string(low) + " to " + std::to_string(high) + ")");
            out[i] = *n;
        }
        for (std::size_t i = tokens.size(); i < out.size(); ++i) out[i] = 0;
        return {};
    }

    Result<BdfVector> Vector(const Line& line) const {
        int64_t v[2];
        if (Status s = Numbers(line, v, 2, "two numbers (x and y)"); !s) return s.error();
        return BdfVector{static_cast<int32_t>(v[0]), static_cast<int32_t>(v[1])};
    }

    // A box of at most kMaxBdfBoxSize pixels each way, placed within kMaxBdfCoordinate.
    Result<BdfBox> Box(const Line& line) const {
        int64_t v[4];
        if (Status s = Numbers(line, v, 4, "four numbers (width, height, x and y offsets)"); !s) return s.error();
        if (v[0] < 0 || v[1] < 0 || v[0] > kMaxBdfBoxSize || v[1] > kMaxBdfBoxSize)
            return At(line.number, std::string(line.keyword) + " " + std::to_string(v[0]) + " x " +
                                       std::to_string(v[1]) + " is not a sane size (0 to " +
                                       std::to_string(kMaxBdfBoxSize) + " pixels each way)");
        if (std::abs(v[2]) > kMaxBdfCoordinate || std::abs(v[3]) > kMaxBdfCoordinate)
            return At(line.number, std::string(line.keyword) + " offsets " + std::to_string(v[2]) + ", " +
                                       std::to_string(v[3]) + " are beyond " + std::to_string(kMaxBdfCoordinate));
        return BdfBox{static_cast<int32_t>(v[0]), static_cast<int32_t>(v[1]), static_cast<int32_t>(v[2]),
                      static_cast<int32_t>(v[3])};
    }

    static Status Once(const Line& line, std::size_t& seenAt) {
        if (seenAt != 0)
            return At(line.number, "a second " + std::string(line.keyword) + " line (the first is line " +
                                       std::to_string(seenAt) + ")");
        seenAt = line.number;
        return {};
    }

    static bool Skipped(std::string_view keyword) {
        // Lines of BDF 2.2 and of a few tools that say nothing about a horizontal bitmap font.
        return keyword == "METRICSSET" || keyword == "SWIDTH1" || keyword == "DWIDTH1" || keyword == "VVECTOR" ||
               keyword == "CONTENTVERSION" || keyword == "ATTRIBUTES";
    }

    Status Header() {
        std::optional<Line> start;
        for (;;) {
            Result<std::optional<Line>> next = Next();
            if (!next) return next.error();
            if (!*next) return At(std::max<std::size_t>(lineNumber_, 1), "no STARTFONT: the file is empty");
            if (!(*next)->text.empty()) {
                start = **next;
                break;
            }
        }
        if (start->keyword != "STARTFONT")
            return At(start->number, "a BDF font starts with STARTFONT, not " + Quote(start->text));
        const std::vector<std::string_view> version = Tokens(start->rest);
        if (version.size() != 1 || version[0].size() < 3 || !version[0].starts_with("2.") ||
            !std::all_of(version[0].begin() + 2, version[0].end(), [](char c) { return c >= '0' && c <= '9'; }))
            return At(start->number, "BDF version " + Quote(start->rest) + " is not known; this reader takes 2.1",
                      ErrorKind::Unsupported);
        font_.Version = std::string(version[0]);

        for (;;) {
            Result<std::optional<Line>> next = Next();
            if (!next) return next.error();
            if (!*next) return AtEnd("before CHARS and the glyphs (cut short?)");
            const Line& line = **next;
            const std::string_view k = line.keyword;
            if (line.text.empty() || Skipped(k)) continue;
            if (k == "COMMENT") {
                font_.Comments.emplace_back(line.rest);
            } else if (k == "FONT") {
                if (Status s = Once(line, fontLine_); !s) return s;
                font_.Name = std::string(line.rest);
            } else if (k == "SIZE") {
                if (Status s = Once(line, sizeLine_); !s) return s;
                int64_t v[4];
                if (Status s = Numbers(line, v, 3, "the point size and two resolutions"); !s) return s;
                if (Tokens(line.rest).size() == 4 && v[3] != 1)
                    return At(line.number,
                              "the font has " + std::to_string(v[3]) + " bits per pixel; only 1-bit fonts are read",
                              ErrorKind::Unsupported);
                font_.PointSize = static_cast<int32_t>(v[0]);
                font_.ResolutionX = static_cast<int32_t>(v[1]);
                font_.ResolutionY = static_cast<int32_t>(v[2]);
            } else if (k == "FONTBOUNDINGBOX") {
                if (Status s = Once(line, boxLine_); !s) return s;
                Result<BdfBox> box = Box(line);
                if (!box) return box.error();
                font_.BoundingBox = *box;
            } else if (k == "SWIDTH" || k == "DWIDTH") {
                Result<BdfVector> v = Vector(line);
                if (!v) return v.error();
                (k == "SWIDTH" ? font_.SWidth : font_.DWidth) = *v;
            } else if (k == "STARTPROPERTIES") {
                if (!propertyLines_.empty() || !font_.Properties.empty())
                    return At(line.number, "a second STARTPROPERTIES");
                int64_t count[1];
                if (Status s = Numbers(line, count, 1, "the number of properties", 0, INT32_MAX); !s) return s;
                if (Status s = Properties(line.number); !s) return s;
            } else if (k == "CHARS") {
                int64_t count[1];
                if (Status s = Numbers(line, count, 1, "the number of glyphs", 0, INT32_MAX); !s) return s;
                charsLine_ = line.number;
                return {};
            } else if (k == "STARTCHAR" || k == "ENDFONT") {
                return At(line.number, std::string(k) + " before the CHARS line");
            } else {
                return At(line.number, "unknown keyword " + Quote(k) + " in the font's header");
            }
        }
    }

    Status Properties(std::size_t startLine) {
        for (;;) {
            Result<std::optional<Line>> next = Next();
            if (!next) return next.error();
            if (!*next)
                return AtEnd("inside the properties (STARTPROPERTIES at line " + std::to_string(startLine) +
                             "): ENDPROPERTIES is missing");
            const Line& line = **next;
            if (line.text.empty()) continue;
            if (line.keyword == "ENDPROPERTIES") return {};
            if (line.keyword == "COMMENT") {
                font_.Comments.emplace_back(line.rest);
                continue;
            }
            if (line.keyword == "CHARS" || line.keyword == "STARTCHAR" || line.keyword == "ENDFONT")
                return At(line.number, std::string(line.keyword) + " inside the properties (STARTPROPERTIES at line " +
                                           std::to_string(startLine) + "): ENDPROPERTIES is missing");
            if (font_.Properties.size() >= static_cast<std::size_t>(kMaxBdfProperties))
                return At(line.number, "more than " + std::to_string(kMaxBdfProperties) + " properties");
            BdfProperty property;
            property.Name = std::string(line.keyword);
            if (line.rest.starts_with('"')) {
                property.Quoted = true;
                std::size_t i = 1;
                for (;;) {
                    const std::size_t quote = line.rest.find('"', i);
                    if (quote == std::string_view::npos)
                        return At(line.number, "the value of " + property.Name + " opens a quote that does not close");
                    property.Value.append(line.rest.substr(i, quote - i));
                    if (quote + 1 < line.rest.size() && line.rest[quote + 1] == '"') {
                        property.Value.push_back('"');  // "" is a quote inside the string
                        i = quote + 2;
                        continue;
                    }
                    if (!Trim(line.rest.substr(quote + 1)).empty())
                        return At(line.number, "text after the closing quote of " + property.Name);
                    break;
                }
            } else {
                property.Value = std::string(line.rest);
            }
            font_.Properties.push_back(std::move(property));
            propertyLines_.push_back(line.number);
        }
    }

    std::size_t PropertyLine(std::string_view name) const {
        for (std::size_t i = 0; i < font_.Properties.size(); ++i)
            if (font_.Properties[i].Name == name) return propertyLines_[i];
        return 0;
    }

    // What the lines before CHARS must give: a name, a size, a bounding box,
    // usable ascent and descent, and Unicode codes.
    Status CheckFontWide() const {
        const std::pair<std::size_t, const char*> required[] = {
            {fontLine_, "FONT"}, {sizeLine_, "SIZE"}, {boxLine_, "FONTBOUNDINGBOX"}};
        for (const auto& [seen, keyword] : required)
            if (seen == 0) return At(charsLine_, std::string("no ") + keyword + " line before CHARS");
        for (const char* name : {"FONT_ASCENT", "FONT_DESCENT"}) {
            const BdfProperty* p = font_.FindProperty(name);
            if (p == nullptr) continue;
            const std::optional<int64_t> n = PropertyInteger(*p);
            if (!n || *n < -kMaxBdfCoordinate || *n > kMaxBdfCoordinate)
                return At(PropertyLine(name), std::string(name) + " must be a whole number from " +
                                                  std::to_string(-kMaxBdfCoordinate) + " to " +
                                                  std::to_string(kMaxBdfCoordinate) + ", not " + Quote(p->Value));
        }
        // The registry is a property; fonts without one may say it in an XLFD name.
        std::string registry, encoding;
        std::size_t registryLine = 0;
        if (const BdfProperty* p = font_.FindProperty("CHARSET_REGISTRY")) {
            registry = p->Value;
            registryLine = PropertyLine("CHARSET_REGISTRY");
            if (const BdfProperty* e = font_.FindProperty("CHARSET_ENCODING")) encoding = e->Value;
        } else if (font_.Name.starts_with('-') && std::count(font_.Name.begin(), font_.Name.end(), '-') == 14) {
            const std::size_t last = font_.Name.rfind('-');
            const std::size_t before = font_.Name.rfind('-', last - 1);
            registry = font_.Name.substr(before + 1, last - before - 1);
            encoding = font_.Name.substr(last + 1);
            registryLine = fontLine_;
        }
        std::string upper = registry;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
        if (registryLine != 0 && upper != "ISO10646")
            return At(registryLine,
                      "the font's registry is " + (encoding.empty() ? registry : registry + "-" + encoding) +
                          ", not ISO10646 (Unicode); convert it first",
                      ErrorKind::Unsupported);
        return {};
    }

    Status Glyphs() {
        for (;;) {
            Result<std::optional<Line>> next = Next();
            if (!next) return next.error();
            if (!*next) return AtEnd("without ENDFONT (cut short?)");
            const Line& line = **next;
            if (line.text.empty()) continue;
            if (line.keyword == "COMMENT") {
                font_.Comments.emplace_back(line.rest);
            } else if (line.keyword == "ENDFONT") {
                return {};
            } else if (line.keyword == "STARTCHAR") {
                if (font_.Glyphs.size() >= static_cast<std::size_t>(kMaxBdfGlyphs))
                    return At(line.number, "more than " + std::to_string(kMaxBdfGlyphs) + " glyphs");
                if (Status s = Glyph(line); !s) return s;
            } else {
                return At(line.number, Quote(line.text) + " where STARTCHAR or ENDFONT belongs");
            }
        }
    }

    Status Glyph(const Line& start) {
        BdfGlyph glyph;
        glyph.Name = std::string(start.rest);
        const std::string what =
            "glyph " + Quote(glyph.Name) + " (STARTCHAR at line " + std::to_string(start.number) + ")";
        std::size_t encodingLine = 0, swidthLine = 0, dwidthLine = 0, bbxLine = 0;
        for (;;) {
            Result<std::optional<Line>> next = Next();
            if (!next) return next.error();
            if (!*next) return AtEnd("inside " + what + " (cut short?)");
            const Line& line = **next;
            const std::string_view k = line.keyword;
            if (line.text.empty() || Skipped(k)) continue;
            if (k == "COMMENT") {
                font_.Comments.emplace_back(line.rest);
            } else if (k == "ENCODING") {
                if (Status s = Once(line, encodingLine); !s) return s;
                int64_t v[2];
                if (Status s = Numbers(line, v, 1, "a code (or -1 and a code)", -1, INT32_MAX); !s) return s;
                glyph.Encoding = static_cast<int32_t>(v[0]);
                if (v[0] == -1 && Tokens(line.rest).size() == 2) glyph.NonStandardEncoding = static_cast<int32_t>(v[1]);
            } else if (k == "SWIDTH" || k == "DWIDTH") {
                if (Status s = Once(line, k == "SWIDTH" ? swidthLine : dwidthLine); !s) return s;
                Result<BdfVector> v = Vector(line);
                if (!v) return v.error();
                (k == "SWIDTH" ? glyph.SWidth : glyph.DWidth) = *v;
            } else if (k == "BBX") {
                if (Status s = Once(line, bbxLine); !s) return s;
                Result<BdfBox> box = Box(line);
                if (!box) return box.error();
                glyph.Box = *box;
            } else if (k == "BITMAP") {
                if (encodingLine == 0) return At(line.number, what + " has no ENCODING line before its BITMAP");
                if (bbxLine == 0) return At(line.number, what + " has no BBX line before its BITMAP");
                if (Status s = Bitmap(glyph, what, bbxLine); !s) return s;
                font_.Glyphs.push_back(std::move(glyph));
                return {};
            } else if (k == "ENDCHAR") {
                return At(line.number, what + " has no BITMAP");
            } else if (k == "STARTCHAR" || k == "ENDFONT") {
                return At(line.number, std::string(k) + " inside " + what + ": its ENDCHAR is missing");
            } else {
                return At(line.number, "unknown keyword " + Quote(k) + " in " + what);
            }
        }
    }

    // The rows after BITMAP up to ENDCHAR: exactly the BBX height of them,
    // each with at least two hex digits per byte of the BBX width. Digits
    // beyond (padding some tools add) and bits right of the width are dropped.
    Status Bitmap(BdfGlyph& glyph, const std::string& what, std::size_t bbxLine) {
        const std::size_t rowBytes = static_cast<std::size_t>(glyph.RowBytes());
        const std::size_t height = static_cast<std::size_t>(glyph.Box.Height);
        glyph.Bitmap.reserve(rowBytes * height);  // at most 128 x 1024 bytes: the box was checked
        const int tail = glyph.Box.Width % 8;
        const auto lastMask = static_cast<uint8_t>(tail == 0 ? 0xFF : 0xFF << (8 - tail));
        std::size_t rows = 0;
        const auto after = [&] {
            return " of " + what + ", after " + std::to_string(rows) + " of its " + std::to_string(height) + " rows";
        };
        for (;;) {
            Result<std::optional<Line>> next = Next();
            if (!next) return next.error();
            if (!*next) return AtEnd("inside the BITMAP" + after() + " (cut short?)");
            const Line& line = **next;
            if (line.text.empty()) continue;
            if (line.text == "ENDCHAR") {
                if (rows < height && rowBytes > 0)
                    return At(line.number, "the BITMAP of " + what + " has " + Plural(rows, "row", "rows") +
                                               ", its BBX (line " + std::to_string(bbxLine) + ") says " +
                                               std::to_string(height));
                return {};
            }
            const bool hex =
                std::all_of(line.text.begin(), line.text.end(), [](char c) { return HexDigitValue(c) >= 0; });
            if (!hex) {
                if ((line.keyword == "STARTCHAR" || line.keyword == "ENDFONT") && rows == height)
                    return At(line.number, std::string(line.keyword) + " where the ENDCHAR of " + what + " belongs");
                if (line.keyword == "STARTCHAR" || line.keyword == "ENDFONT")
                    return At(line.number,
                              std::string(line.keyword) + " inside the BITMAP" + after() + ": its ENDCHAR is missing");
                return At(line.number, "row " + std::to_string(rows + 1) + " of " + what +
                                           " is not hexadecimal: " + Quote(line.text));
            }
            if (rows == height)
                return At(line.number, what + " has more BITMAP rows than the " + std::to_string(height) +
                                           " of its BBX (line " + std::to_string(bbxLine) + "), or no ENDCHAR");
            if (line.text.size() < 2 * rowBytes)
                return At(line.number, "row " + std::to_string(rows + 1) + " of " + what + " has " +
                                           Plural(line.text.size(), "hex digit", "hex digits") + "; its BBX width " +
                                           std::to_string(glyph.Box.Width) + " needs " + std::to_string(2 * rowBytes));
            for (std::size_t b = 0; b < rowBytes; ++b) {
                auto byte =
                    static_cast<uint8_t>((HexDigitValue(line.text[2 * b]) << 4) | HexDigitValue(line.text[2 * b + 1]));
                if (b + 1 == rowBytes) byte &= lastMask;
                glyph.Bitmap.push_back(byte);
            }
            ++rows;
        }
    }

    // Nothing but blank lines after ENDFONT.
    Status Trailer() {
        for (;;) {
            Result<std::optional<Line>> next = Next();
            if (!next) return next.error();
            if (!*next) return {};
            if (!(*next)->text.empty()) return At((*next)->number, "text after ENDFONT");
        }
    }
};

}  // namespace

Result<BdfFont> ReadBdf(std::string_view text) { return Parser(text).Run(); }

Result<BdfFont> ReadBdfFile(const std::string& path) {
    Result<std::vector<uint8_t>> file = ReadWholeFile(path, kMaxBdfFileSize);
    if (!file) return file.error();
    Result<BdfFont> font = ReadBdf(std::string_view(reinterpret_cast<const char*>(file->data()), file->size()));
    if (!font) font.error().message = path + ": " + font.error().message;
    return font;
}

}  // namespace glyphora
