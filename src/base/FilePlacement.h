// Files put in place whole: a new file is written under a temporary name in
// the folder of its final name (the name carries the process id, so a file
// left by a killed run can be told from a live one) and takes the final name
// only once it is complete, so a run that breaks off never leaves a cut file
// under that name. And what a path names, told without following a link.
#pragma once

#include "Error.h"

#include <cstdint>
#include <span>
#include <string>

namespace glyphora {

enum class PathKind { Missing, Regular, Link, Folder, Other };

struct PathInfo {
    PathKind kind = PathKind::Missing;
    uint64_t size = 0;
    int64_t modified = 0;  // last write, in nanoseconds of the system clock
};

// What is at the path itself; a link is reported as a link, not followed.
// Io when the system cannot tell (a folder on the way cannot be searched).
Result<PathInfo> InspectPath(const std::string& path);

// Removes the temporary files that runs no longer alive left in the folder
// (killed while writing); those of live processes stay.
void RemoveStalePendingFiles(const std::string& folder);

// Puts the names given in the folder of `path` on the disk (see place()).
// Some file systems refuse to flush a folder, which fails nothing.
void SyncFolderOf(const std::string& path);

// A file being written for `target`. Dropped before place() it is removed,
// and whatever the target's name held stays as it was.
class PendingFile {
public:
    static Result<PendingFile> Create(const std::string& target);
    PendingFile(PendingFile&&) noexcept;
    PendingFile& operator=(PendingFile&&) noexcept;
    ~PendingFile();

    const std::string& target() const { return target_; }
    // Everything or an Io error naming the target.
    Status write(std::span<const uint8_t> bytes);
    // Flushed to the disk, closed, and renamed over the target's name (a link
    // at that name is replaced, never written through). On failure the
    // temporary file is gone and the target is as it was. The new name is on
    // the disk when the folder is flushed too: at once, or, for a run that
    // places many files in one folder, once by SyncFolderOf after the last.
    enum class FolderFlush { Now, Later };
    Status place(FolderFlush folder = FolderFlush::Now);
    // Closed and removed; the target is untouched.
    void discard();

private:
    PendingFile(std::string target, std::string temporary, intptr_t native);
    std::string target_;
    std::string temporary_;
    intptr_t native_;
};

}  // namespace glyphora
