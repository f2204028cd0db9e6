// What the back ends of the file layer share with its common part: the value
// of a closed handle and closing one, the one replacement both whole-file
// writes go through, and on Windows the error of a system error code.
// Internal to the file layer.
#pragma once

#include "FileLayer.h"

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

// Puts `bytes`, or what `build` makes of the file's current bytes (at most
// maxCurrentBytes of them), in the file's place: WriteFileAtomically with no
// builder, ReplaceFile with one.
Status Replace(const std::string& path, const ReplaceBuilder* build, uint64_t maxCurrentBytes,
               std::span<const uint8_t> bytes, Durability durability);

#ifdef _WIN32
// A failed system call on `path`: Missing where the file or its folder is not
// there, Io otherwise, with the system's text for the code.
Error IoError(std::string_view verb, const std::string& path, unsigned long code);
inline void* AsHandle(intptr_t native) { return reinterpret_cast<void*>(native); }
#endif

#ifndef _WIN32
// Removes the files of `folder` that `ownerOf` names a process id for (0: not
// ours) when that process no longer runs: what killed saves and extractions
// left behind. Never this process's own.
void RemoveFilesOfEndedProcesses(const std::string& folder, long (*ownerOf)(std::string_view name));
#endif

}  // namespace glyphora::file_native
