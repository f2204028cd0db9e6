// The file layer on POSIX systems.
#include "FileLayer.h"
#include "FileLayerNative.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

namespace glyphora {

namespace {

Error IoError(std::string_view verb, const std::string& path, int err) {
    return MakeError(err == ENOENT ? ErrorKind::Missing : ErrorKind::Io, FileError(verb, path, std::strerror(err)));
}

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do fd = ::open(path, flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

int FsyncRetrying(int fd) {
    int rc;
    do rc = ::fsync(fd);
    while (rc != 0 && errno == EINTR);
    return rc;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The rename is only durable once the folder's entry is on disk too. Some
// file systems refuse fsync on a folder; that is no reason to call the save failed.
void SyncFolder(const std::string& folder) {
    const int dir = OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir < 0) return;
    (void)FsyncRetrying(dir);
    ::close(dir);
}

// A link to the file stays a link: the file it points at is replaced.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string target(real);
    std::free(real);
    return target;
}

// A fresh name beside the target. The file is made with O_EXCL and mode 0666,
// so the kernel applies the umask itself: no process-wide umask change.
int CreateTemporary(const std::string& folder, std::string& name) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (folder == "/" ? "" : folder) + "/.glyphora-save-";
        for (int i = 0; i < 10; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
        const int fd = OpenRetrying(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

int file_native::Close(intptr_t native) { return native == kClosed ? 0 : ::close(static_cast<int>(native)); }

// --- whole files ---------------------------------------------------------------------

Status WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes, Durability durability) {
    const std::string target = ResolvedTarget(path);
    // The new file gets the old one's permission bits.
    struct stat st {};
    bool replacing = false;
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return IoError("write", path, EISDIR);
        replacing = true;
    } else if (errno != ENOENT) {
        return IoError("write", path, errno);
    }

    const std::string folder = FolderOf(target);
    std::string temp;
    const int fd = CreateTemporary(folder, temp);
    if (fd < 0)
        return MakeError(
            ErrorKind::Io,
            FileError("save", path, "no temporary file can be made in '" + folder + "': " + std::strerror(errno)));
    auto fail = [&](std::string_view what) -> Status {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return MakeError(ErrorKind::Io, FileError(what, path, std::strerror(err)));
    };
    // A file saved through its group's write permission stays its owner's and
    // its group's where the system allows; where not, the saver owns it.
    if (replacing && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) (void)!::fchown(fd, st.st_uid, st.st_gid);
    // After the owner: a change of owner clears the set-id bits.
    if (replacing && ::fchmod(fd, st.st_mode & 07777) != 0) return fail("write");
    if (!WriteAll(fd, bytes)) return fail("write");
    if (durability == Durability::Flushed && FsyncRetrying(fd) != 0) return fail("flush");
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return MakeError(ErrorKind::Io, FileError("write", path, std::strerror(err)));
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return MakeError(ErrorKind::Io, FileError("replace", path, std::strerror(err)));
    }
    if (durability == Durability::Flushed) SyncFolder(folder);
    return {};
}

Status RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return {};
    return IoError("remove", path, errno);
}

// --- handles -------------------------------------------------------------------------

Result<ReadHandle> ReadHandle::Open(const std::string& path) {
    const int fd = OpenRetrying(path.c_str(), O_RDONLY);
    if (fd < 0) return IoError("open", path, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int err = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        return IoError("read", path, err);
    }
    return ReadHandle(path, fd, st.st_size > 0 ? static_cast<uint64_t>(st.st_size) : 0);
}

Result<std::size_t> ReadHandle::read(std::span<uint8_t> into) {
    std::size_t total = 0;
    // A read may stop short (a signal, a pipe); only the end of the file ends a block.
    while (total < into.size()) {
        const ssize_t n = ::read(static_cast<int>(native_), into.data() + total, into.size() - total);
        if (n < 0) {
            if (errno == EINTR) continue;
            return IoError("read", path_, errno);
        }
        if (n == 0) break;
        total += static_cast<std::size_t>(n);
    }
    return total;
}

Result<WriteHandle> WriteHandle::Create(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return IoError("create", path, EISDIR);
    const int fd = OpenRetrying(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) return MakeError(ErrorKind::Io, FileError("create", path, std::strerror(errno)));
    return WriteHandle(path, fd);
}

Status WriteHandle::write(std::span<const uint8_t> bytes) {
    if (native_ == file_native::kClosed)
        return MakeError(ErrorKind::Io, FileError("write", path_, "the file is closed"));
    if (!WriteAll(static_cast<int>(native_), bytes)) return IoError("write", path_, errno);
    return {};
}

Status WriteHandle::close() {
    if (native_ == file_native::kClosed) return {};
    const int rc = file_native::Close(native_);
    native_ = file_native::kClosed;
    if (rc != 0) return IoError("write", path_, errno);
    return {};
}

}  // namespace glyphora
