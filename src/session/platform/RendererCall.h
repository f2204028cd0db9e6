// How the renderer program is called: where it lies, what it is given for one
// character of the RenderFont (height, style code, character code, font name)
// and RunAndWait, which starts it in a folder of the caller's and waits for
// its end.
#pragma once

#include "Prompts.h"

#include <Error.h>
#include <Process.h>
#include <RendererLimits.h>

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
// That cut drew glyphs from another font than the one chosen ("DejaVu Sans
// Mono" became "DejaVu Sans" under a long folder), so the call no longer
// cuts; this tells what the old line kept, for a caller that must mimic it.
// The arguments are counted as they would stand on that line, the one that
// crosses it is cut (at a character, not inside one) and the ones after it
// are dropped.
inline constexpr std::size_t kCommandLineLimit = 255;
std::vector<std::string> CutToCommandLine(const std::string& programPath, std::vector<std::string> arguments,
                                          std::size_t limit = kCommandLineLimit);

// The characters of that command line, uncut.
std::size_t CommandLineLength(const std::string& programPath, const std::vector<std::string>& arguments);
// The longest command line Windows starts a program with; a line over it is
// refused rather than cut, on every system alike.
inline constexpr std::size_t kCommandLineMax = 32767;
// Refuses a font whose name would make the renderer's command line longer
// than kCommandLineMax, with a message that names the font.
Status CheckCommandLine(const std::string& programPath, const RenderFont& font);

// The room a font name has in a request line of a batch: the words before it
// ("fit=ROWS HEIGHT STYLE CODE ") never take more than the rest.
inline constexpr std::size_t kFontNameBytesMax = kRendererRequestMax - 32;
// Refuses, naming the limit, a font name the renderer would cut or could not
// look up however it is called: one with a line break, one longer than
// kFontNameBytesMax, and on Windows a family name longer than GDI's
// kGdiFamilyNameMax. Asked before the renderer starts; a renderer started
// once per glyph also needs CheckCommandLine.
Status CheckFontName(const RenderFont& font);

// The renderer beside the editor: programDir (ending in '/') + "files/Runecast".
std::string RunecastPath(const std::string& programDir);

inline constexpr std::chrono::milliseconds kRendererTimeout{10000};

// Starts the program with the parameters, whole, in `folder` (the batch's
// scratch folder, where it leaves temp.bmp), waits for its end, at most
// `timeout`, and gives its exit status. Its output is kept in `output` when
// given, else thrown away. `keepGoing` false stops it at once.
Result<int> RunAndWait(const std::string& programPath, const std::vector<std::string>& parameters,
                       const std::string& folder, std::chrono::milliseconds timeout = kRendererTimeout,
                       ProcessOutput* output = nullptr, KeepGoing keepGoing = {});

}  // namespace glyphora
