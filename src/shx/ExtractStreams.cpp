#include "ExtractStreams.h"

#include <Utf8Path.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include <filesystem>
#include <system_error>

namespace glyphora::shx {

namespace {

// A write-once file on disk, written in whole blocks.
class DiskFile final : public OutputFile {
public:
    explicit DiskFile(WriteHandle file) : file_(std::move(file)) {}

    Status write(std::span<const uint8_t> bytes) override {
        Status written = file_.write(bytes);
        if (written) size_ += bytes.size();
        return written;
    }

    uint64_t size() const override { return size_; }
    Status close() override { return file_.close(); }

private:
    WriteHandle file_;
    uint64_t size_ = 0;
};

}  // namespace

// ---- FileInput ----

Result<std::unique_ptr<FileInput>> FileInput::open(const std::string& path) {
    Result<ReadHandle> file = ReadHandle::Open(path);
    if (!file) return file.error();
    return std::unique_ptr<FileInput>(new FileInput(std::move(*file)));
}

// ---- DiskFolder ----

Result<std::unique_ptr<OutputFile>> DiskFolder::create(const std::string& path) {
    std::error_code ec;
    if (!protectedPath_.empty() && std::filesystem::equivalent(PathFromUtf8(path), PathFromUtf8(protectedPath_), ec))
        return MakeError(ErrorKind::Refused, FileError("create", path, "it is the flash file being read"));
    Result<WriteHandle> file = WriteHandle::Create(path);
    if (!file) return file.error();
    return std::unique_ptr<OutputFile>(std::make_unique<DiskFile>(std::move(*file)));
}

// ---- MemoryInput ----

Result<std::size_t> MemoryInput::read(std::span<uint8_t> into) {
    const std::size_t count = std::min(into.size(), bytes_.size() - position_);
    if (count > 0) std::memcpy(into.data(), bytes_.data() + position_, count);
    position_ += count;
    return count;
}

// ---- MemoryFolder ----

class MemoryFolder::File final : public OutputFile {
public:
    File(MemoryFolder& folder, std::string path, Entry& entry)
        : folder_(folder), path_(std::move(path)), entry_(entry) {}

    Status write(std::span<const uint8_t> bytes) override {
        const std::size_t count = static_cast<std::size_t>(std::min<uint64_t>(bytes.size(), folder_.writeBudget_));
        folder_.writeBudget_ -= count;
        if (folder_.keepBytes_)
            entry_.bytes.insert(entry_.bytes.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
        entry_.size += count;
        if (count < bytes.size()) return MakeError(ErrorKind::Io, FileError("write", path_, "No space left on device"));
        return {};
    }

    uint64_t size() const override { return entry_.size; }

    Status close() override {
        entry_.closed = true;
        return {};
    }

private:
    MemoryFolder& folder_;
    std::string path_;
    Entry& entry_;
};

Result<std::unique_ptr<OutputFile>> MemoryFolder::create(const std::string& path) {
    if (!failCreateSuffix_.empty() && path.size() >= failCreateSuffix_.size() &&
        path.compare(path.size() - failCreateSuffix_.size(), failCreateSuffix_.size(), failCreateSuffix_) == 0)
        return MakeError(ErrorKind::Io, FileError("create", path, "Permission denied"));
    Entry& entry = files_[path];
    entry = Entry{};
    return std::unique_ptr<OutputFile>(std::make_unique<File>(*this, path, entry));
}

}  // namespace glyphora::shx
