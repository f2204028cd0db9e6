#include "RenderRequest.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace glyphora::runecast {

namespace {

// A whole decimal number with an optional minus sign, nothing around it.
bool ParseInt(std::string_view text, long long& value) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

Error Usage(std::string message) { return MakeError(ErrorKind::Usage, std::move(message)); }

}  // namespace

Result<RenderRequest> ParseRequest(std::span<const std::string> args) {
    if (args.size() < 4) {
        return Usage("expected HEIGHT STYLE CODE FONTNAME, got " + std::to_string(args.size()) + " argument" +
                     (args.size() == 1 ? "" : "s"));
    }
    RenderRequest request;
    long long value = 0;
    if (!ParseInt(args[0], value)) {
        return Usage("HEIGHT '" + args[0] + "' is not a whole number");
    }
    if (value == 0 || value < -kMaxHeight || value > kMaxHeight) {
        return Usage("HEIGHT " + args[0] + " is out of range (-" + std::to_string(kMaxHeight) +
                     " to -1 for the character height, 1 to " + std::to_string(kMaxHeight) + " for the cell height)");
    }
    request.height = static_cast<int>(value);
    if (!ParseInt(args[1], value)) {
        return Usage("STYLE '" + args[1] + "' is not a whole number");
    }
    if (value < 0 || value > 3) {
        return Usage("STYLE " + args[1] + " is out of range (0 regular, 1 italic, 2 bold, 3 bold italic)");
    }
    request.style = static_cast<FontStyle>(value);
    if (!ParseInt(args[2], value)) {
        return Usage("CODE '" + args[2] + "' is not a whole number");
    }
    if (value < 0 || value > 0xFFFF) {
        return Usage("CODE " + args[2] + " is out of range (0 to 65535)");
    }
    request.code = static_cast<uint16_t>(value);
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (i > 3) request.fontName += ' ';
        request.fontName += args[i];
    }
    if (request.fontName.find_first_not_of(' ') == std::string::npos) {
        return Usage("FONTNAME is empty");
    }
    return request;
}

Result<RenderRequest> ParseBatchLine(const std::string& line) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = line.find(' ', start);
        words.push_back(line.substr(start, blank == std::string::npos ? std::string::npos : blank - start));
        if (blank == std::string::npos) break;
        start = blank + 1;
    }
    int fitRows = 0;
    std::size_t first = 0;
    for (; first < words.size() && words[first].rfind("fit=", 0) == 0; ++first) {
        long long value = 0;
        if (!ParseInt(std::string_view(words[first]).substr(4), value) || value < 1 || value > kMaxHeight)
            return Usage("'" + words[first] + "' is not fit=ROWS with ROWS from 1 to " + std::to_string(kMaxHeight));
        fitRows = static_cast<int>(value);
    }
    Result<RenderRequest> request = ParseRequest(std::span<const std::string>(words).subspan(first));
    if (request) request->fitRows = fitRows;
    return request;
}

bool IsFontPath(const std::string& fontName) {
#ifdef _WIN32
    return fontName.find_first_of("/\\") != std::string::npos;
#else
    return fontName.find('/') != std::string::npos;
#endif
}

const char* UsageText() {
    return "usage: Runecast HEIGHT STYLE CODE FONTNAME...\n"
           "\n"
           "Draws one character in black on white, without smoothing, into temp.bmp\n"
           "in the current folder (1 bit per pixel; replaced whole, or removed when the\n"
           "run fails) and ends.\n"
           "\n"
           "  HEIGHT    negative: the character height (em size) in pixels;\n"
           "            positive: the cell height (ascent + descent) in pixels\n"
           "  STYLE     0 regular, 1 italic, 2 bold, 3 bold italic\n"
           "  CODE      the character, a UTF-16 code unit in decimal (0 to 65535)\n"
           "  FONTNAME  a font family (the rest of the arguments, joined by blanks), or\n"
           "            the path of a font file (TrueType, OpenType, PCF, BDF, OTB) when\n"
           "            it holds a '/'; a bitmap font uses its strike nearest to HEIGHT\n"
           "\n"
           "The bitmap is as tall as the font's line height with the baseline at the\n"
           "ascent, and as wide as the character's advance (at least 1 pixel).\n"
           "\n"
           "Exit status: 0 temp.bmp written; 1 the font could not be found or read, or\n"
           "temp.bmp could not be written; 2 wrong arguments; 3 the font has no glyph\n"
           "for the character.\n"
           "\n"
           "Runecast --batch takes one request a line on its standard input,\n"
           "  [fit=ROWS] HEIGHT STYLE CODE FONTNAME...\n"
           "(fit=ROWS: the largest size whose ascent plus descent is at most ROWS pixels,\n"
           "HEIGHT aside), and answers each on its standard output, in order, with\n"
           "  ok CODE WIDTH HEIGHT ASCENT PIXELSIZE BYTES\n"
           "followed by BYTES bytes of a 1-bit BMP (ASCENT: the baseline's row), or with\n"
           "  fail CODE STATUS MESSAGE\n"
           "where STATUS is the exit status the same request would give alone. It ends at\n"
           "the end of its input or at an empty line. Runecast --capabilities prints\n"
           "\"batch fit\": what a caller may use besides the one-character command line.\n"
           "\n"
           "Font lookups are remembered in glyphora/runecast.cache in $XDG_CACHE_HOME\n"
           "(else ~/.cache) while fontconfig's configuration and caches stay unchanged.\n";
}

}  // namespace glyphora::runecast
