#include "ExtractStreams.h"

#include <FilePlacement.h>
#include <Utf8Path.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

namespace glyphora::shx {

namespace {

// A code-group or header file on its way to its name. While it is written it
// is compared with the file already there: only a file holding exactly these
// bytes is surely an untouched extraction. Any other may hold the user's edits
// (times tell nothing: a flash file touched or copied again looks newer), so
// it is replaced only when the question says so.
class DiskFile final : public OutputFile {
public:
    DiskFile(PendingFile file, const PathInfo& existing, const EditedFileQuestion& askEdited,
             std::function<void(const std::string&)> placed)
        : file_(std::move(file)), existing_(existing), askEdited_(askEdited), placed_(std::move(placed)) {
        if (existing_.kind != PathKind::Regular) return;
        Result<ReadHandle> old = ReadHandle::Open(file_.target());
        if (old) old_.emplace(std::move(*old));
    }

    Status write(std::span<const uint8_t> bytes) override {
        Status written = file_.write(bytes);
        if (!written) return written;
        size_ += bytes.size();
        if (old_) CompareWithOld(bytes);
        return {};
    }

    uint64_t size() const override { return size_; }

    Status close() override {
        const std::string& path = file_.target();
        if (existing_.kind == PathKind::Regular) {
            if (HoldsTheSameBytes()) {
                // The same bytes are there already; the file is left as it is.
                file_.discard();
                return {};
            }
            switch (askEdited_ ? askEdited_(path) : EditedFileChoice::Refuse) {
            case EditedFileChoice::Replace: break;
            case EditedFileChoice::Keep:
                file_.discard();
                size_ = existing_.size;
                return {};
            case EditedFileChoice::Refuse:
                file_.discard();
                return MakeError(
                    ErrorKind::Refused,
                    FileError("replace", path, "it differs from the copy in the flash file: it may hold edits"));
            }
        }
        // What the name holds may have changed while the file was written
        // (or while the user was asked).
        Result<PathInfo> now = InspectPath(path);
        if (!now) {
            file_.discard();
            return now.error();
        }
        if (now->kind == PathKind::Link || now->kind == PathKind::Other) {
            file_.discard();
            return RefusedName(path, now->kind);
        }
        Status put = file_.place(PendingFile::FolderFlush::Later);
        if (put) placed_(path);
        return put;
    }

    void discard() override { file_.discard(); }

    static Error RefusedName(const std::string& path, PathKind kind) {
        return MakeError(
            ErrorKind::Refused,
            FileError("create", path, kind == PathKind::Link ? "it is a symbolic link" : "it is not a regular file"));
    }

private:
    bool HoldsTheSameBytes() {
        if (!old_ || size_ != existing_.size) return false;
        CompareWithOld({});
        return old_.has_value();
    }

    // Drops the old file from the comparison at the first difference; with
    // `bytes` empty, when the old file goes on past what was written.
    void CompareWithOld(std::span<const uint8_t> bytes) {
        compare_.resize(std::max<std::size_t>(bytes.size(), 1));
        const std::span<uint8_t> into(compare_.data(), bytes.empty() ? 1 : bytes.size());
        const Result<std::size_t> got = old_->read(into);
        const bool same =
            got && (bytes.empty() ? *got == 0
                                  : *got == bytes.size() && std::memcmp(into.data(), bytes.data(), bytes.size()) == 0);
        if (!same) {
            old_.reset();
            compare_ = {};
        }
    }

    PendingFile file_;
    PathInfo existing_;
    const EditedFileQuestion& askEdited_;
    std::function<void(const std::string&)> placed_;
    std::optional<ReadHandle> old_;  // the file there, while it matches what was written
    std::vector<uint8_t> compare_;
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

DiskFolder::DiskFolder(std::string flashPath, EditedFileQuestion askEdited)
    : flashPath_(std::move(flashPath)), askEdited_(std::move(askEdited)) {
    if (flashPath_.empty()) return;
    // An extraction killed while it wrote here left its partial files.
    const std::string folder = Utf8FromPath(PathFromUtf8(flashPath_).parent_path());
    RemoveStalePendingFiles(folder.empty() ? "." : folder);
}

Result<std::unique_ptr<OutputFile>> DiskFolder::create(const std::string& path) {
    std::error_code ec;
    if (!flashPath_.empty() && std::filesystem::equivalent(PathFromUtf8(path), PathFromUtf8(flashPath_), ec))
        return MakeError(ErrorKind::Refused, FileError("create", path, "it is the flash file being read"));
    const Result<PathInfo> existing = InspectPath(path);
    if (!existing) return existing.error();
    if (existing->kind == PathKind::Folder)
        return MakeError(ErrorKind::Io, FileError("create", path, "Is a directory"));
    if (existing->kind == PathKind::Link || existing->kind == PathKind::Other)
        return DiskFile::RefusedName(path, existing->kind);
    Result<PendingFile> file = PendingFile::Create(path);
    if (!file) return file.error();
    auto placed = [this](const std::string& name) {
        const std::filesystem::path folder = PathFromUtf8(name).parent_path();
        const bool known = std::any_of(unflushed_.begin(), unflushed_.end(), [&](const std::string& other) {
            return PathFromUtf8(other).parent_path() == folder;
        });
        if (!known) unflushed_.push_back(name);
    };
    return std::unique_ptr<OutputFile>(std::make_unique<DiskFile>(std::move(*file), *existing, askEdited_, placed));
}

void DiskFolder::finish() {
    for (const std::string& name : unflushed_) SyncFolderOf(name);
    unflushed_.clear();
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

    void discard() override { entry_.closed = entry_.discarded = true; }

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
