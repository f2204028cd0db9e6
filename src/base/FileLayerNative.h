// What the back ends of the file layer share with its common part: the value
// of a closed handle and closing one. Internal to the file layer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace glyphora::file_native {

#ifdef _WIN32
inline const intptr_t kClosed = -1;  // INVALID_HANDLE_VALUE
#else
inline constexpr intptr_t kClosed = -1;
#endif

// Closes the handle unless it is kClosed; the system's result (0 on success).
int Close(intptr_t native);

#ifndef _WIN32
// Removes the files of `folder` that `ownerOf` names a process id for (0: not
// ours) when that process no longer runs: what killed saves and extractions
// left behind. Never this process's own.
void RemoveFilesOfEndedProcesses(const std::string& folder, long (*ownerOf)(std::string_view name));
#endif

}  // namespace glyphora::file_native
