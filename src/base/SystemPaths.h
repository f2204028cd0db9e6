// What the two systems name and allow differently about files, so that no
// layer above the base asks which system it runs on: the characters that end
// a folder in a path, how paths cross to a toolkit, what a program file is,
// and a fresh folder only this run uses.
#pragma once

#include "Error.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace glyphora {

// The characters after which a file name begins: "/" on POSIX, and also "\"
// and the drive's ":" on Windows.
std::string_view PathSeparators();

// Where the last name of the path begins (0 when it has no folder part).
std::size_t FileNameStart(std::string_view path);

// Paths are UTF-8 texts for the file layer on Windows; on POSIX they are the
// bytes the system takes, whatever the locale calls them.
bool PathsAreUtf8();

// "" on POSIX, ".exe" on Windows.
std::string_view ExecutableSuffix();

// A regular file the system would start: on POSIX one with an execute bit for
// us, on Windows any regular file (the system starts by name, not by bit).
bool IsProgramFile(const std::string& path);

// Whether the system lets this process write the path, as far as it can be
// told without writing (on Windows the permission bits say all there is).
bool SystemAllowsWriting(const std::string& path);

// A new folder in `base` named `stem` and a random ending, made for this run
// alone (mode 0700 on POSIX). The error names `user` ("the renderer") and `base`.
Result<std::string> MakePrivateFolder(const std::string& base, const std::string& stem, const std::string& user);

// The folder of this user's caches of the program (kept across runs, lost
// without harm): $XDG_CACHE_HOME/glyphora or ~/.cache/glyphora on POSIX,
// %LOCALAPPDATA%\glyphora on Windows. Made when missing; empty when it cannot
// be named or written.
std::string UserCacheFolder();

}  // namespace glyphora
