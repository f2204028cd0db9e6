// The platform-independent part of the file layer: the message form, whole
// reads over a handle, and the handles' ownership. The back ends
// (FileLayerPosix.cpp, FileLayerWindows.cpp) do the system calls.
#include "FileLayer.h"

#include "FileLayerNative.h"

#include <utility>

namespace glyphora {

std::string FileError(std::string_view verb, const std::string& path, std::string_view reason) {
    return "cannot " + std::string(verb) + " '" + path + "': " + std::string(reason);
}

Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes, Durability durability) {
    return file_native::Replace(path, nullptr, 0, bytes, durability);
}

Status ReplaceFile(const std::string& path, uint64_t maxCurrentBytes, const ReplaceBuilder& build,
                   Durability durability) {
    return file_native::Replace(path, &build, maxCurrentBytes, {}, durability);
}

Result<std::vector<uint8_t>> ReadWholeFile(const std::string& path, uint64_t maxBytes) {
    Result<ReadHandle> file = ReadHandle::Open(path);
    if (!file) return file.error();
    const auto tooLarge = [&] {
        return MakeError(ErrorKind::Unsupported, FileError("read", path,
                                                           "it is larger than the " + std::to_string(maxBytes) +
                                                               " bytes this program reads of such a file"));
    };
    if (file->size() > maxBytes) return tooLarge();
    std::vector<uint8_t> bytes;
    if (file->size() > 0) bytes.reserve(static_cast<std::size_t>(file->size()));
    uint8_t buffer[1 << 16];
    for (;;) {
        const Result<std::size_t> got = file->read(buffer);
        if (!got) return got.error();
        bytes.insert(bytes.end(), buffer, buffer + *got);
        if (bytes.size() > maxBytes) return tooLarge();  // it grew since it was opened
        if (*got < sizeof buffer) break;
    }
    return bytes;
}

ReadHandle::ReadHandle(std::string path, intptr_t native, uint64_t size)
    : path_(std::move(path)), native_(native), size_(size) {}

ReadHandle::ReadHandle(ReadHandle&& other) noexcept
    : path_(std::move(other.path_)), native_(std::exchange(other.native_, file_native::kClosed)), size_(other.size_) {}

ReadHandle& ReadHandle::operator=(ReadHandle&& other) noexcept {
    if (this != &other) {
        file_native::Close(native_);
        path_ = std::move(other.path_);
        native_ = std::exchange(other.native_, file_native::kClosed);
        size_ = other.size_;
    }
    return *this;
}

ReadHandle::~ReadHandle() { file_native::Close(native_); }

WriteHandle::WriteHandle(std::string path, intptr_t native) : path_(std::move(path)), native_(native) {}

WriteHandle::WriteHandle(WriteHandle&& other) noexcept
    : path_(std::move(other.path_)), native_(std::exchange(other.native_, file_native::kClosed)) {}

WriteHandle& WriteHandle::operator=(WriteHandle&& other) noexcept {
    if (this != &other) {
        file_native::Close(native_);
        path_ = std::move(other.path_);
        native_ = std::exchange(other.native_, file_native::kClosed);
    }
    return *this;
}

WriteHandle::~WriteHandle() { file_native::Close(native_); }

}  // namespace glyphora
