// Where an extraction reads the flash file from and where it writes the files
// it produces. Files on disk are the normal case; the in-memory forms let tests
// and the fuzzer run extractions without touching the disk.
#pragma once

#include <Error.h>
#include <FileLayer.h>

#include <cstddef>
#include <cstdint>
#include <functional>
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

// A file being written for one name. Only close() gives it that name: a file
// dropped or discarded before leaves whatever the name held as it was.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    // All of the bytes, or an Error.
    virtual Status write(std::span<const uint8_t> bytes) = 0;
    // The bytes of the file: those written, or after close() those of the
    // file now under the name (a kept older one has its own).
    virtual uint64_t size() const = 0;
    // The file is complete: it takes its name (or the file there is kept).
    virtual Status close() = 0;
    // The file is incomplete: it is dropped.
    virtual void discard() = 0;
};

class OutputFolder {
public:
    virtual ~OutputFolder() = default;
    // A file that is to replace whatever regular file holds the name.
    virtual Result<std::unique_ptr<OutputFile>> create(const std::string& path) = 0;
};

// What becomes of a file at an output name that differs from what this
// extraction writes there: the user may have edited it since it was extracted.
enum class EditedFileChoice { Replace, Keep, Refuse };
using EditedFileQuestion = std::function<EditedFileChoice(const std::string& path)>;

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

// Writes real files, each under a temporary name beside its own until it is
// complete. It never writes over the flash file it is reading, nor at a name
// that is a link or anything but a regular file. An existing file that holds
// the same bytes is left alone; one that differs in any byte or in length is
// replaced only when askEdited answers so (no question: refused; the editor
// asks the user, the tool refuses unless told to overwrite).
//
// Each file is flushed before it takes its name; the folder's entries, which
// make the names last through a power cut, are flushed once for all its files
// when the DiskFolder goes (or by finish()), not once per file.
class DiskFolder final : public OutputFolder {
public:
    explicit DiskFolder(std::string flashPath = {}, EditedFileQuestion askEdited = {});
    DiskFolder(const DiskFolder&) = delete;
    DiskFolder& operator=(const DiskFolder&) = delete;
    ~DiskFolder() override { finish(); }
    Result<std::unique_ptr<OutputFile>> create(const std::string& path) override;
    void finish();

private:
    std::string flashPath_;
    EditedFileQuestion askEdited_;
    std::vector<std::string> unflushed_;  // a file placed since the last finish() for each folder
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
        bool closed = false;     // by close() or discard()
        bool discarded = false;  // kept here all the same, to be looked at
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
