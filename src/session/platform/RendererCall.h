// How the renderer program is called: where it lies, what it is given for one
// character of the RenderFont (height, style code, character code, font name)
// and RunAndWait, which starts it in its own folder and waits for its end.
#pragma once

#include "Prompts.h"

#include <Error.h>
#include <Process.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace glyphora {

// The font the renderer draws with: name (a family, or a font file's path
// when it holds a '/'), height in the logical-font convention, style.
using RenderFont = Prompts::Font;

// Until the user chooses one: the desktop's sans-serif face, 11 pixels high.
RenderFont DefaultRenderFont();

// Italic only 1, bold only 2, bold and italic 3; any other set of styles
// (none, or any with underline or strike-out) 0.
int StyleCode(const RenderFont& font);

// Height, style code, character code (decimal, the height with its sign),
// then the font name as one argument: the renderer joins the rest of its
// arguments with blanks, so a name with blanks arrives whole.
std::vector<std::string> RendererParameters(const RenderFont& font, uint16_t code);

// The renderer was once started with one command line: the quoted program
// path, a blank and the parameters joined by blanks, cut to 255 characters.
// The argument list keeps that limit: the arguments are counted as they
// would stand on that line, the one that crosses it is cut (at a character,
// not inside one) and the ones after it are dropped. The path itself is
// never cut: it is ours, not the user's, and a cut path starts nothing.
inline constexpr std::size_t kCommandLineLimit = 255;
std::vector<std::string> CutToCommandLine(const std::string& programPath, std::vector<std::string> arguments,
                                          std::size_t limit = kCommandLineLimit);

// The renderer beside the editor: programDir (ending in '/') + "files/Runecast".
std::string RunecastPath(const std::string& programDir);

inline constexpr std::chrono::milliseconds kRendererTimeout{10000};

// Starts the program with the parameters (cut as above) in the program's own
// folder, waits for its end, at most `timeout`, and gives its exit status.
// Its output is kept in `output` when given, else thrown away.
Result<int> RunAndWait(const std::string& programPath, const std::vector<std::string>& parameters,
                       std::chrono::milliseconds timeout = kRendererTimeout, ProcessOutput* output = nullptr);

}  // namespace glyphora
