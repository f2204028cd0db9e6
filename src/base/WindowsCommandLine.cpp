#include "WindowsCommandLine.h"

#include <algorithm>

namespace glyphora {

std::string QuoteWindowsArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string_view::npos)
        return std::string(argument);
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

std::string WindowsCommandLine(const std::string& program, const std::vector<std::string>& arguments) {
    std::string path = program;
    std::replace(path.begin(), path.end(), '/', '\\');
    std::string line = "\"" + path + "\"";
    for (const std::string& a : arguments) line += " " + QuoteWindowsArgument(a);
    return line;
}

}  // namespace glyphora
