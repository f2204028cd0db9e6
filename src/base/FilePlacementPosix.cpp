// Files put in place on POSIX systems.
#include "FileLayer.h"
#include "FileLayerNative.h"
#include "FilePlacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <utility>

namespace glyphora {

namespace {

Error IoError(std::string_view verb, const std::string& path, int err) {
    return MakeError(err == ENOENT ? ErrorKind::Missing : ErrorKind::Io, FileError(verb, path, std::strerror(err)));
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

Result<PathInfo> InspectPath(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return PathInfo{};
        return IoError("inspect", path, errno);
    }
    PathInfo info;
    if (S_ISLNK(st.st_mode))
        info.kind = PathKind::Link;
    else if (S_ISREG(st.st_mode))
        info.kind = PathKind::Regular;
    else if (S_ISDIR(st.st_mode))
        info.kind = PathKind::Folder;
    else
        info.kind = PathKind::Other;
    info.size = st.st_size > 0 ? static_cast<uint64_t>(st.st_size) : 0;
    info.modified = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return info;
}

Result<PendingFile> PendingFile::Create(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string stem = (folder == "/" ? "" : folder) + "/.glyphora-part-" + std::to_string(::getpid()) + "-";
    // O_EXCL: never an existing file, and never through a link.
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        std::string temporary = stem + std::to_string(attempt);
        int fd;
        do fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        while (fd < 0 && errno == EINTR);
        if (fd >= 0) return PendingFile(target, std::move(temporary), fd);
        if (errno != EEXIST) return IoError("create", target, errno);
    }
    return IoError("create", target, EEXIST);
}

Status PendingFile::write(std::span<const uint8_t> bytes) {
    if (native_ == file_native::kClosed)
        return MakeError(ErrorKind::Io, FileError("write", target_, "the file is closed"));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(static_cast<int>(native_), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return IoError("write", target_, errno);
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

Status PendingFile::place(FolderFlush folder) {
    if (native_ == file_native::kClosed)
        return MakeError(ErrorKind::Io, FileError("write", target_, "the file is closed"));
    const int fd = static_cast<int>(native_);
    native_ = file_native::kClosed;
    int rc;
    do rc = ::fsync(fd);
    while (rc != 0 && errno == EINTR);
    const int syncError = rc != 0 ? errno : 0;
    const int closeError = ::close(fd) != 0 ? errno : 0;
    int err = syncError != 0 ? syncError : closeError;
    if (err == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temporary_.c_str());
        return IoError("write", target_, err);
    }
    if (folder == FolderFlush::Now) SyncFolderOf(target_);
    return {};
}

void SyncFolderOf(const std::string& path) {
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}

void PendingFile::discard() {
    if (native_ == file_native::kClosed) return;
    file_native::Close(native_);
    native_ = file_native::kClosed;
    ::unlink(temporary_.c_str());
}

}  // namespace glyphora
