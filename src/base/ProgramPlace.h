// What a command-line program learns about itself from the system: its
// arguments as UTF-8 texts (Windows hands a narrow main() its arguments in
// the local code page, so a Cyrillic path would arrive as question marks)
// and the folder its executable lies in.
#pragma once

#include "Error.h"

#include <string>
#include <vector>

namespace glyphora {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The executable's folder, ending in a path separator.
Result<std::string> ExecutableFolder();

}  // namespace glyphora
