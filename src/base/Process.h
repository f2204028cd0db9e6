// Starting another program and waiting for its end, the one way the project
// does it (the editor and glyphora-tool start the renderer once per glyph).
// The program is given by its path and an argument list, never through a
// shell, so no character of a font name means anything to anybody but the
// program. It runs in a current folder of the caller's choice, with nothing
// inherited from the caller but its environment: no open files, stdin on the
// null device, its output thrown away or kept for the caller. A time limit
// stops a program that hangs, together with everything it started.
//
// ProcessPosix.cpp holds the POSIX back end (posix_spawn, a process group of
// its own, a pidfd to wait on), ProcessWindows.cpp the Windows one
// (CreateProcessW with a quoted command line, a job object, WaitForSingleObject
// with the time limit), chosen in CMakeLists.txt as the file layer's is. On
// Windows whatever the program started ends with the call too (its job is
// closed), and an exception status (0xC0000005 ...) is an Error as a signal is.
#pragma once

#include "Error.h"

#include <chrono>
#include <string>
#include <vector>

namespace glyphora {

struct ProcessRequest {
    std::string program;                 // a path (a relative one from the caller's folder); PATH is not searched
    std::vector<std::string> arguments;  // after the program's own name
    std::string currentFolder;           // empty: the caller's
    // Zero: wait as long as it takes.
    std::chrono::milliseconds timeout{0};
};

// What the program wrote, when the caller keeps it (each up to kKeptOutput
// bytes; the rest is read and dropped, so the program never blocks on it).
struct ProcessOutput {
    std::string out;
    std::string err;
};

inline constexpr std::size_t kKeptOutput = std::size_t{64} * 1024;

// The program's exit status once it has ended. An Error when it could not be
// started (Missing when nothing is at its path), when a signal ended it, or
// when it ran past the time limit (Failed: it was killed and waited for).
// Without `output` the program's stdout and stderr go to the null device.
Result<int> RunProcess(const ProcessRequest& request, ProcessOutput* output = nullptr);

}  // namespace glyphora
