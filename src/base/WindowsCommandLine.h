// The one command line a Windows program is started with, made from an
// argument list so that the C runtime's split (CommandLineToArgvW's rules)
// gives the same list back: an argument with a blank, a tab or a quote, or
// an empty one, goes in quotes; a quote inside is escaped with a backslash,
// and the backslashes right before a quote (or the closing quote) are
// doubled. Plain text, so it is tested on every system.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

std::string QuoteWindowsArgument(std::string_view argument);

// The program's path in quotes (its name is split without escapes, and a
// path holds no quote), '/' turned into '\', then the quoted arguments.
std::string WindowsCommandLine(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace glyphora
