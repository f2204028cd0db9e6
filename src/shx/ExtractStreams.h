// Where an extraction reads the flash file from and where it writes the files
// it produces. Files on disk are the normal case; the in-memory forms let tests
// and the fuzzer run extractions without touching the disk.
#pragma once

#include <Error.h>
#include <FileLayer.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace glyphora::shx {

// Flash files are read, and code groups written, in blocks of this size.
inline constexpr std::size_t kStreamBufferSize = 524288;

// Failures are Errors naming the file and the reason.
class ExtractInput {
public:
    virtual ~ExtractInput() = default;
    virtual const std::string& path() const = 0;
    virtual uint64_t size() const = 0;
    // Reads up to into.size() bytes; fewer only at the end of the input.
    virtual Result<std::size_t> read(std::span<uint8_t> into) = 0;
};

class OutputFile {
public:
    virtual ~OutputFile() = default;
    // All of the bytes, or an Error.
    virtual Status write(std::span<const uint8_t> bytes) = 0;
    // The bytes that reached the file.
    virtual uint64_t size() const = 0;
    virtual Status close() = 0;
};

class OutputFolder {
public:
    virtual ~OutputFolder() = default;
    // Creates or replaces the file.
    virtual Result<std::unique_ptr<OutputFile>> create(const std::string& path) = 0;
};

// The flash file, opened read-only.
class FileInput final : public ExtractInput {
public:
    static Result<std::unique_ptr<FileInput>> open(const std::string& path);

    const std::string& path() const override { return file_.path(); }
    uint64_t size() const override { return file_.size(); }
    Result<std::size_t> read(std::span<uint8_t> into) override { return file_.read(into); }

private:
    explicit FileInput(ReadHandle file) : file_(std::move(file)) {}
    ReadHandle file_;
};

// Writes real files. It refuses to replace the file the extraction is reading.
class DiskFolder final : public OutputFolder {
public:
    explicit DiskFolder(std::string protectedPath = {}) : protectedPath_(std::move(protectedPath)) {}
    Result<std::unique_ptr<OutputFile>> create(const std::string& path) override;

private:
    std::string protectedPath_;
};

class MemoryInput final : public ExtractInput {
public:
    MemoryInput(std::string path, std::span<const uint8_t> bytes) : path_(std::move(path)), bytes_(bytes) {}
    const std::string& path() const override { return path_; }
    uint64_t size() const override { return bytes_.size(); }
    Result<std::size_t> read(std::span<uint8_t> into) override;

private:
    std::string path_;
    std::span<const uint8_t> bytes_;
    std::size_t position_ = 0;
};

// Keeps every file in memory (or only its size when told to discard the bytes),
// and can be told to fail a create or a write to exercise the error paths.
class MemoryFolder final : public OutputFolder {
public:
    struct Entry {
        std::vector<uint8_t> bytes;
        uint64_t size = 0;
        bool closed = false;
    };

    explicit MemoryFolder(bool keepBytes = true) : keepBytes_(keepBytes) {}
    Result<std::unique_ptr<OutputFile>> create(const std::string& path) override;

    const std::map<std::string, Entry>& files() const { return files_; }
    // The create of the file whose name ends with the suffix fails.
    void failCreateOf(std::string suffix) { failCreateSuffix_ = std::move(suffix); }
    // Writes fail once this many bytes have been written in total.
    void failWritesAfter(uint64_t bytes) { writeBudget_ = bytes; }

private:
    class File;
    bool keepBytes_;
    std::map<std::string, Entry> files_;
    std::string failCreateSuffix_;
    uint64_t writeBudget_ = UINT64_MAX;
};

}  // namespace glyphora::shx
