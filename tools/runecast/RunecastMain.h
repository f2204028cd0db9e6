// Runecast's front end, shared by every back end: the one-character command
// line (temp.bmp in the current folder), the batch protocol on stdin and
// stdout, --capabilities and --help. See UsageText() for the contract.
#pragma once

#include "Rasterizer.h"

#include <cstdio>
#include <span>
#include <string>

namespace glyphora::runecast {

enum ExitStatus : int {
    kExitWritten = 0,
    kExitFailed = 1,  // font not found or unreadable, temp.bmp not writable
    kExitUsage = 2,
    kExitNoGlyph = 3,
};

// What `Runecast --capabilities` prints.
inline constexpr const char* kCapabilities = "batch fit\n";

// The arguments after the program's name; requests of a batch come from
// `in`, its answers go to `out` (binary).
int RunecastMain(std::span<const std::string> args, Rasterizer& rasterizer, std::FILE* in, std::FILE* out);

}  // namespace glyphora::runecast
