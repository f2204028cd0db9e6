// The one way the project reads and writes files: a whole file at once, a
// file replaced atomically (temporary file in the same folder, flushed, then
// renamed over the old one, so a failure at any step leaves the old file as
// it was), and scoped handles for streaming. Every failure is an Error whose
// message has one form: "cannot open 'PATH': reason".
#pragma once

#include "Error.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// "cannot <verb> 'PATH': reason"
std::string FileError(std::string_view verb, const std::string& path, std::string_view reason);

// Missing when nothing is at the path, Io otherwise. Only a regular file (or a
// link to one) is read: a folder, a FIFO or a device is refused at once,
// without waiting for a writer. A file of more than `maxBytes` is
// Unsupported, and is not read past them.
Result<std::vector<uint8_t>> ReadWholeFile(const std::string& path,
                                           uint64_t maxBytes = std::numeric_limits<uint64_t>::max());

// Whether a replaced file must be on the disk before the call returns: a
// document must; a scratch file read back at once (a renderer's bitmap, a
// cache) need not wait for the disk.
enum class Durability { Flushed, Quick };

// Io on failure; the old file is intact then and no temporary file is left.
// Only a regular file is replaced: a folder, a FIFO or a device is refused,
// and so is a file the user may not write ("PATH is read-only"), also when
// the permissions would let root write it. A link stays a link (the file it
// points at is written); the new file keeps the old one's owner and
// permission bits, a new file gets what the umask allows. A file with other
// names (hard links) or extended attributes is written in place, after a
// checked copy of its old bytes was put beside it; the copy goes once the
// file is written, and a failure that leaves it names it. Two saves of one
// file never interleave (an advisory lock is held while it is written).
// Temporary files carry the process id; those of processes that are gone
// are removed by the next save in that folder, and a copy of old content
// that a killed save left by the next successful save of its file
// (FileLeftovers.h). (On Windows, which renames nothing over a file that is
// open, every existing file is written in place under the lock, and readers
// wait for a save under way.)
Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                           Durability durability = Durability::Flushed);

// The new bytes of a file made from what it holds now: `current` is the file's
// content under the save's lock (nothing when there is no file yet). The
// bytes returned must stay alive until the save ends; an error stops the
// save before anything is written and is what the save returns.
using ReplaceBuilder =
    std::function<Result<std::span<const uint8_t>>(const std::optional<std::vector<uint8_t>>& current)>;

// WriteFileAtomically, with the old content read and handed to `build` while
// the lock is held, so that what was checked is what gets replaced. A file
// of more than `maxCurrentBytes` is refused (Unsupported) unread.
Status ReplaceFile(const std::string& path, uint64_t maxCurrentBytes, const ReplaceBuilder& build,
                   Durability durability = Durability::Flushed);

// Whether the two paths name one file (the same one through a link or a hard
// link too). False when either cannot be looked at.
bool SameFile(const std::string& a, const std::string& b);

// Removes the file; nothing at the path is no failure.
Status RemoveFile(const std::string& path);

// A regular file open for reading, closed when the handle goes. Anything
// else at the path is refused at once, as by ReadWholeFile.
class ReadHandle {
public:
    static Result<ReadHandle> Open(const std::string& path);
    ReadHandle(ReadHandle&&) noexcept;
    ReadHandle& operator=(ReadHandle&&) noexcept;
    ~ReadHandle();

    const std::string& path() const { return path_; }
    uint64_t size() const { return size_; }
    // Fills `into` unless the file ends first; Io on a read error.
    Result<std::size_t> read(std::span<uint8_t> into);

private:
    ReadHandle(std::string path, intptr_t native, uint64_t size);
    std::string path_;
    intptr_t native_;  // the platform's handle: a descriptor, or a HANDLE on Windows
    uint64_t size_ = 0;
};

// A file created (or emptied) for writing, written in place. Closing reports
// a delayed write error; a handle dropped unclosed is closed quietly.
class WriteHandle {
public:
    static Result<WriteHandle> Create(const std::string& path);
    WriteHandle(WriteHandle&&) noexcept;
    WriteHandle& operator=(WriteHandle&&) noexcept;
    ~WriteHandle();

    const std::string& path() const { return path_; }
    // Everything or an Io error.
    Status write(std::span<const uint8_t> bytes);
    Status close();

private:
    WriteHandle(std::string path, intptr_t native);
    std::string path_;
    intptr_t native_;
};

}  // namespace glyphora
