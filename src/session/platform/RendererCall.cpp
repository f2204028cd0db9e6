#include "RendererCall.h"

#include <SystemPaths.h>

namespace glyphora {

namespace {

bool ContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Characters of a UTF-8 text (a byte that is not valid UTF-8 counts as one).
std::size_t Characters(const std::string& text) {
    std::size_t count = 0;
    for (char c : text)
        if (!ContinuationByte(c)) ++count;
    return count;
}

// The first `count` characters.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (ContinuationByte(text[i])) continue;
        if (seen == count) return text.substr(0, i);
        ++seen;
    }
    return text;
}

#ifdef _WIN32
// UTF-16 units of a UTF-8 text: one per character, two above U+FFFF.
std::size_t Utf16Units(const std::string& text) {
    std::size_t units = Characters(text);
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0xF0) ++units;
    return units;
}
#endif

// The font name in a message: whole when short, else its beginning.
std::string Shown(const std::string& name) {
    const std::size_t shown = 60;
    return Characters(name) <= shown ? name : FirstCharacters(name, shown) + "…";
}

Error TooLong(std::string message) { return MakeError(ErrorKind::Refused, std::move(message)); }

}  // namespace

RenderFont DefaultRenderFont() {
    RenderFont font;
    font.name = "Sans";
    font.height = -11;
    return font;
}

int StyleCode(const RenderFont& font) {
    if (font.underline || font.strikeOut) return 0;
    if (font.bold && font.italic) return 3;
    if (font.bold) return 2;
    if (font.italic) return 1;
    return 0;
}

std::vector<std::string> RendererParameters(const RenderFont& font, uint16_t code) {
    return {std::to_string(font.height), std::to_string(StyleCode(font)), std::to_string(code), font.name};
}

std::vector<std::string> CutToCommandLine(const std::string& programPath, std::vector<std::string> arguments,
                                          std::size_t limit) {
    // '"' path '"' ' ' comes first on the line.
    const std::size_t lead = Characters(programPath) + 3;
    const std::size_t room = limit > lead ? limit - lead : 0;
    std::size_t used = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::size_t blank = i > 0 ? 1 : 0;
        const std::size_t left = room > used + blank ? room - used - blank : 0;
        const std::size_t length = Characters(arguments[i]);
        if (length <= left) {
            used += blank + length;
            continue;
        }
        if (left > 0) {
            arguments[i] = FirstCharacters(arguments[i], left);
            ++i;
        }
        arguments.resize(i);
        break;
    }
    return arguments;
}

std::string RunecastPath(const std::string& programDir) {
    return programDir + "files/Runecast" + std::string(ExecutableSuffix());
}

std::size_t CommandLineLength(const std::string& programPath, const std::vector<std::string>& arguments) {
    std::size_t length = Characters(programPath) + 2;
    for (const std::string& a : arguments) length += 1 + Characters(a);
    return length;
}

Status CheckCommandLine(const std::string& programPath, const RenderFont& font) {
    const std::size_t length = CommandLineLength(programPath, RendererParameters(font, 0xFFFF));
    if (length <= kCommandLineMax) return {};
    return TooLong("The font name '" + Shown(font.name) + "' (" + std::to_string(Characters(font.name)) +
                   " characters) makes the renderer's command line " + std::to_string(length) +
                   " characters long, over the limit of " + std::to_string(kCommandLineMax) + ".");
}

Status CheckFontName(const RenderFont& font) {
    if (font.name.find_first_of("\r\n") != std::string::npos)
        return TooLong("The font name '" + Shown(font.name) + "' holds a line break.");
    if (font.name.size() > kFontNameBytesMax)
        return TooLong("The font name '" + Shown(font.name) + "' is " + std::to_string(font.name.size()) +
                       " bytes long; the renderer takes a name of at most " + std::to_string(kFontNameBytesMax) +
                       " bytes.");
#ifdef _WIN32
    const bool family = font.name.find_first_of("/\\") == std::string::npos;
    if (family && Utf16Units(font.name) > kGdiFamilyNameMax)
        return TooLong("The font family name '" + Shown(font.name) + "' is " + std::to_string(Utf16Units(font.name)) +
                       " UTF-16 units long; Windows names a font family in at most " +
                       std::to_string(kGdiFamilyNameMax) + ".");
#endif
    return {};
}

Result<int> RunAndWait(const std::string& programPath, const std::vector<std::string>& parameters,
                       const std::string& folder, std::chrono::milliseconds timeout, ProcessOutput* output,
                       KeepGoing keepGoing) {
    ProcessRequest request;
    request.program = programPath;
    request.arguments = parameters;
    request.currentFolder = folder;
    request.timeout = timeout;
    request.keepGoing = std::move(keepGoing);
    return RunProcess(request, output);
}

}  // namespace glyphora
