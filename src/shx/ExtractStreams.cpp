#include "ExtractStreams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace glyphora::shx {

namespace {

std::string Reason(int error)
{
    return std::generic_category().message(error);
}

// A write-once file on disk; unbuffered, since every write is a whole block already.
class DiskFile final : public OutputFile {
public:
    DiskFile(std::string path, std::FILE* file) : path_(std::move(path)), file_(file) {}
    ~DiskFile() override
    {
        if (file_)
            std::fclose(file_);
    }
    DiskFile(const DiskFile&) = delete;
    DiskFile& operator=(const DiskFile&) = delete;

    std::size_t write(std::span<const uint8_t> bytes, std::string& error) override
    {
        if (!file_) {
            error = "Cannot write " + path_ + ": the file is closed";
            return 0;
        }
        errno = 0;
        const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file_);
        size_ += written;
        if (written < bytes.size())
            error = "Cannot write " + path_ + ": " + (errno ? Reason(errno) : std::string("short write"));
        return written;
    }

    uint64_t size() const override { return size_; }

    bool close(std::string& error) override
    {
        if (!file_)
            return true;
        errno = 0;
        const int result = std::fclose(file_);
        file_ = nullptr;
        if (result != 0) {
            error = "Cannot write " + path_ + ": " + (errno ? Reason(errno) : std::string("close failed"));
            return false;
        }
        return true;
    }

private:
    std::string path_;
    std::FILE* file_;
    uint64_t size_ = 0;
};

}  // namespace

// ---- FileInput ----

std::unique_ptr<FileInput> FileInput::open(const std::string& path, std::string& error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = "Cannot open " + path + ": it is a folder";
        return nullptr;
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "Cannot open " + path + ": " + Reason(errno ? errno : ENOENT);
        return nullptr;
    }
    // Reads are whole 512 KiB blocks: stdio's own buffer would only add a copy.
    std::setvbuf(file, nullptr, _IONBF, 0);
    const auto size = std::filesystem::file_size(path, ec);
    return std::unique_ptr<FileInput>(new FileInput(path, file, ec ? 0 : static_cast<uint64_t>(size)));
}

FileInput::FileInput(std::string path, std::FILE* file, uint64_t size)
    : path_(std::move(path)), file_(file), size_(size)
{
}

FileInput::~FileInput()
{
    std::fclose(file_);
}

std::size_t FileInput::read(std::span<uint8_t> into, std::string& error)
{
    std::size_t total = 0;
    // fread may stop short on an interrupted call; only end of file or an error ends a block.
    while (total < into.size()) {
        errno = 0;
        const std::size_t got = std::fread(into.data() + total, 1, into.size() - total, file_);
        total += got;
        if (got == 0) {
            if (std::ferror(file_))
                error = "Cannot read " + path_ + ": " + Reason(errno ? errno : EIO);
            break;
        }
    }
    return total;
}

// ---- DiskFolder ----

std::unique_ptr<OutputFile> DiskFolder::create(const std::string& path, std::string& error)
{
    std::error_code ec;
    if (!protectedPath_.empty() && std::filesystem::equivalent(path, protectedPath_, ec)) {
        error = "Cannot create " + path + ": it is the flash file being read";
        return nullptr;
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "Cannot create " + path + ": " + Reason(errno ? errno : EIO);
        return nullptr;
    }
    std::setvbuf(file, nullptr, _IONBF, 0);
    return std::make_unique<DiskFile>(path, file);
}

// ---- MemoryInput ----

std::size_t MemoryInput::read(std::span<uint8_t> into, std::string&)
{
    const std::size_t count = std::min(into.size(), bytes_.size() - position_);
    if (count > 0)
        std::memcpy(into.data(), bytes_.data() + position_, count);
    position_ += count;
    return count;
}

// ---- MemoryFolder ----

class MemoryFolder::File final : public OutputFile {
public:
    File(MemoryFolder& folder, std::string path, Entry& entry) : folder_(folder), path_(std::move(path)), entry_(entry) {}

    std::size_t write(std::span<const uint8_t> bytes, std::string& error) override
    {
        const std::size_t count = static_cast<std::size_t>(std::min<uint64_t>(bytes.size(), folder_.writeBudget_));
        folder_.writeBudget_ -= count;
        if (folder_.keepBytes_)
            entry_.bytes.insert(entry_.bytes.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
        entry_.size += count;
        if (count < bytes.size())
            error = "Cannot write " + path_ + ": No space left on device";
        return count;
    }

    uint64_t size() const override { return entry_.size; }

    bool close(std::string&) override
    {
        entry_.closed = true;
        return true;
    }

private:
    MemoryFolder& folder_;
    std::string path_;
    Entry& entry_;
};

std::unique_ptr<OutputFile> MemoryFolder::create(const std::string& path, std::string& error)
{
    if (!failCreateSuffix_.empty() && path.size() >= failCreateSuffix_.size() &&
        path.compare(path.size() - failCreateSuffix_.size(), failCreateSuffix_.size(), failCreateSuffix_) == 0) {
        error = "Cannot create " + path + ": Permission denied";
        return nullptr;
    }
    Entry& entry = files_[path];
    entry = Entry{};
    return std::make_unique<File>(*this, path, entry);
}

}  // namespace glyphora::shx
