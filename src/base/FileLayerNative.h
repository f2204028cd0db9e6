// What the back ends of the file layer share with its common part: the value
// of a closed handle and closing one, the one replacement both whole-file
// writes go through, the names of what a save leaves beside its file, the
// walk over what ended processes left, and on Windows the error of a system
// error code. Internal to the file layer.
#pragma once

#include "FileLayer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// What a save leaves beside the file it writes: ".NAME.glyphora-save-PID-N",
// a file being written, which anyone may remove once its process is gone; and
// ".NAME.glyphora-old-PID-N", the checked copy of a file being written in
// place, the only old content should that write break off: only a later
// successful save of that file removes it.
inline constexpr std::string_view kSaveMarker = ".glyphora-save-";
inline constexpr std::string_view kOldMarker = ".glyphora-old-";

// ".NAME<marker>PID-N" for the file named `name`, N counting this process's names.
std::string TemporaryName(const std::string& name, std::string_view marker);

// The process id in ".NAME<marker>PID-N" (either marker), or 0.
long SaverOf(std::string_view name);

// The part of a ".NAME.glyphora-old-" name before the process id, for the file named `name`.
std::string OldCopyPrefix(const std::string& name);

// After a successful save of the file `name` in `folder`: the copies of its
// old content that ended saves left are no one's last copy any more.
void RemoveOldCopiesOfEndedSaves(const std::string& folder, const std::string& name);

// The names of the entries of `folder` that `ownerOf` names a process id for
// (0: not ours) whose process no longer runs; never this process's own. The
// one walk over what killed runs left behind.
std::vector<std::string> EntriesOfEndedProcesses(const std::string& folder,
                                                 const std::function<long(std::string_view name)>& ownerOf);

// The file a save of `path` writes: the file a link points at, or the path itself.
std::string SaveTarget(const std::string& path);

// `name` in `folder`, with the system's separator.
std::string InFolder(const std::string& folder, const std::string& name);

}  // namespace glyphora::file_native
