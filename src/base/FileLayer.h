// The one way the project reads and writes files: a whole file at once, a
// file replaced atomically (temporary file in the same folder, flushed, then
// renamed over the old one, so a failure at any step leaves the old file as
// it was), and scoped handles for streaming. Every failure is an Error whose
// message has one form: "cannot open 'PATH': reason".
#pragma once

#include "Error.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// "cannot <verb> 'PATH': reason"
std::string FileError(std::string_view verb, const std::string& path, std::string_view reason);

// Missing when nothing is at the path, Io otherwise; a folder cannot be read.
// A file of more than `maxBytes` is Unsupported, and is not read past them.
Result<std::vector<uint8_t>> ReadWholeFile(const std::string& path,
                                           uint64_t maxBytes = std::numeric_limits<uint64_t>::max());

// Whether a replaced file must be on the disk before the call returns: a
// document must; a scratch file read back at once (a renderer's bitmap, a
// cache) need not wait for the disk.
enum class Durability { Flushed, Quick };

// Io on failure; the old file is intact then and no temporary file is left.
// A link stays a link (the file it points at is replaced); the new file keeps
// the old one's permission bits, a new file gets what the umask allows. (On
// Windows the link and the attributes are not kept.)
Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                           Durability durability = Durability::Flushed);

// Removes the file; nothing at the path is no failure.
Status RemoveFile(const std::string& path);

// A file open for reading, closed when the handle goes.
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
