// The file layer on POSIX systems.
#include "FileLayer.h"
#include "FileLayerNative.h"
#include "FileLeftovers.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

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

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Error NotRegular(std::string_view verb, const std::string& path, mode_t mode) {
    if (S_ISDIR(mode)) return IoError(verb, path, EISDIR);
    const char* what = S_ISFIFO(mode)   ? "a FIFO (named pipe)"
                       : S_ISCHR(mode)  ? "a character device"
                       : S_ISBLK(mode)  ? "a block device"
                       : S_ISSOCK(mode) ? "a socket"
                                        : "something other";
    return MakeError(ErrorKind::Io, FileError(verb, path, std::string("it is ") + what + ", not a regular file"));
}

// A FIFO without a writer would hold an open for reading for ever, and a
// device may never end: the file is opened without waiting, refused unless
// it is a regular file, and then read in the ordinary blocking way.
Result<int> OpenRegular(const std::string& path, std::string_view verb, struct stat& st, const std::string& shown) {
    const int fd = OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return IoError("open", shown, errno);
    if (::fstat(fd, &st) != 0) {
        const Error why = IoError(verb, shown, errno);
        ::close(fd);
        return why;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return NotRegular(verb, shown, st.st_mode);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// --- temporary files ---------------------------------------------------------------------

using file_native::InFolder;
using file_native::kOldMarker;
using file_native::kSaveMarker;
using file_native::TemporaryName;

// Made with O_EXCL and mode 0666, so the kernel applies the umask itself: no
// process-wide umask change. A copy of old content is private (0600).
int CreateTemporary(const std::string& folder, const std::string& target, std::string& name, mode_t mode = 0666) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = InFolder(folder, TemporaryName(NameOf(target), kSaveMarker));
        const int fd = OpenRetrying(name.c_str(), O_RDWR | O_CREAT | O_EXCL, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Saves that were killed leave their temporary files: those whose process
// no longer runs are removed. (A process of another machine sharing the
// folder looks gone; its save then fails at its rename, its old file intact.)
void RemoveStaleTemporaries(const std::string& folder) {
    RemoveLeftoversOfEndedProcesses(folder, [](std::string_view name) -> long {
        return name.find(kSaveMarker) != std::string_view::npos ? file_native::SaverOf(name) : 0;
    });
}

// --- the file being replaced ---------------------------------------------------------------

// How long a save waits for another save of the same file to end.
constexpr auto kLockWait = std::chrono::seconds(10);

// The existing file at `target`, open and locked against other saves, or
// Missing when there is none. The lock is taken on the file the path names
// when it is held: a save that replaced the file meanwhile made a new one.
Result<int> OpenLocked(const std::string& path, const std::string& target, struct stat& st) {
    for (int round = 0; round < 100; ++round) {
        const Result<int> opened = OpenRegular(target, "write", st, path);
        if (!opened) return opened.error();
        const int fd = *opened;
        const auto until = std::chrono::steady_clock::now() + kLockWait;
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR) continue;
            if (errno != EWOULDBLOCK) break;  // no locks on this file system: go on without
            if (std::chrono::steady_clock::now() > until) {
                ::close(fd);
                return MakeError(ErrorKind::Io, FileError("save", path, "another program is saving it"));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        struct stat now {};
        if (::stat(target.c_str(), &now) == 0 && now.st_dev == st.st_dev && now.st_ino == st.st_ino) return fd;
        ::close(fd);
    }
    return MakeError(ErrorKind::Io, FileError("save", path, "it is replaced again and again by another program"));
}

// The user's own say, not only the system's: a file without any write bit is
// read-only, also to root; otherwise the system decides for this user.
bool MayWrite(const std::string& target, const struct stat& st) {
    if ((st.st_mode & 0222) == 0) return false;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0) return true;
    return errno != EACCES && errno != EPERM && errno != EROFS;
}

// Extended attributes (ACLs among them) belong to the file's inode; a new
// file would not have them. A label every file gets from its folder does not count.
bool HasOwnAttributes(const std::string& target) {
#ifdef __linux__
    const ssize_t size = ::listxattr(target.c_str(), nullptr, 0);
    if (size <= 0) return false;
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t got = ::listxattr(target.c_str(), names.data(), names.size());
    if (got <= 0) return got < 0;
    for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
        const std::string name(names.c_str() + at);
        if (name != "security.selinux") return true;
        at += name.size() + 1;
    }
    return false;
#else
    (void)target;
    return false;
#endif
}

bool ReadAt(int fd, uint64_t at, std::span<uint8_t> into, std::size_t& got) {
    got = 0;
    while (got < into.size()) {
        const ssize_t n = ::pread(fd, into.data() + got, into.size() - got, static_cast<off_t>(at + got));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

Result<std::vector<uint8_t>> ReadAll(int fd, const std::string& path, uint64_t size) {
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    std::size_t got = 0;
    if (!ReadAt(fd, 0, bytes, got)) return IoError("read", path, errno);
    bytes.resize(got);
    return bytes;
}

bool WriteAt(int fd, uint64_t at, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(at + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Copies `from` into `to` (both from their start) and reads both back to
// compare; errno tells what failed.
bool CopyChecked(int from, int to) {
    static constexpr std::size_t kBlock = std::size_t{1} << 16;
    std::vector<uint8_t> a(kBlock), b(kBlock);
    uint64_t at = 0;
    for (std::size_t got = kBlock; got == kBlock; at += got) {
        if (!ReadAt(from, at, a, got) || !WriteAt(to, at, std::span(a).first(got))) return false;
    }
    if (FsyncRetrying(to) != 0) return false;
    at = 0;
    for (std::size_t got = kBlock, back = 0; got == kBlock; at += got) {
        if (!ReadAt(from, at, a, got) || !ReadAt(to, at, b, back)) return false;
        if (got != back || !std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(got), b.begin())) {
            errno = EIO;
            return false;
        }
    }
    return true;
}

// Writes the file's own inode, so its other names, its attributes and its
// owner stay: a checked copy of the old bytes is put beside it first, the
// file is rewritten, and the copy goes. Should the rewrite fail, the old
// bytes are written back; only when that fails too does the copy stay, and
// the message names it.
Status WriteInPlace(const std::string& path, const std::string& target, const std::string& folder, int locked,
                    std::span<const uint8_t> bytes, Durability durability) {
    std::string temp;
    const Descriptor copy(CreateTemporary(folder, target, temp, 0600));
    if (copy.get() < 0)
        return MakeError(ErrorKind::Io, FileError("save", path,
                                                  "no copy of its old content can be made in '" + folder +
                                                      "': " + std::strerror(errno)));
    const std::string old = InFolder(folder, TemporaryName(NameOf(target), kOldMarker));
    if (!CopyChecked(locked, copy.get()) || ::rename(temp.c_str(), old.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return MakeError(
            ErrorKind::Io,
            FileError("save", path, std::string("no copy of its old content can be made: ") + std::strerror(err)));
    }
    const Descriptor file(OpenRetrying(target.c_str(), O_WRONLY));
    struct stat opened {
    }, held{};
    const bool same = file.get() >= 0 && ::fstat(file.get(), &opened) == 0 && ::fstat(locked, &held) == 0 &&
                      opened.st_dev == held.st_dev && opened.st_ino == held.st_ino;
    const auto write = [&](int fd, std::span<const uint8_t> what) {
        return WriteAt(fd, 0, what) && ::ftruncate(fd, static_cast<off_t>(what.size())) == 0 &&
               (durability == Durability::Quick || FsyncRetrying(fd) == 0);
    };
    if (same && write(file.get(), bytes)) {
        ::unlink(old.c_str());
        return {};
    }
    const int err = same ? errno : (file.get() < 0 ? errno : EBUSY);
    // Put the old bytes back from the copy.
    const Descriptor back(OpenRetrying(old.c_str(), O_RDONLY));
    if (same && back.get() >= 0) {
        struct stat st {};
        if (::fstat(back.get(), &st) == 0) {
            const Result<std::vector<uint8_t>> oldBytes = ReadAll(back.get(), old, static_cast<uint64_t>(st.st_size));
            if (oldBytes && write(file.get(), *oldBytes)) {
                ::unlink(old.c_str());
                return MakeError(ErrorKind::Io, FileError("write", path, std::strerror(err)));
            }
        }
    } else if (!same) {
        ::unlink(old.c_str());
        return MakeError(ErrorKind::Io, FileError("write", path, std::strerror(err)));
    }
    return MakeError(
        ErrorKind::Io,
        FileError("write", path, std::string(std::strerror(err)) + "; its old content is kept in '" + old + "'"));
}

enum class Renamed { Done, OwnerNotKept };

// A new file beside the old one, renamed over it: a failure at any step
// leaves the old file as it was. When the new file cannot get the old one's
// owner, nothing is replaced and the caller writes in place instead.
Result<Renamed> ReplaceByRename(const std::string& path, const std::string& target, const std::string& folder,
                                const struct stat* old, std::span<const uint8_t> bytes, Durability durability) {
    std::string temp;
    const int fd = CreateTemporary(folder, target, temp);
    if (fd < 0)
        return MakeError(
            ErrorKind::Io,
            FileError("save", path, "no temporary file can be made in '" + folder + "': " + std::strerror(errno)));
    auto fail = [&](std::string_view what) -> Error {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return MakeError(ErrorKind::Io, FileError(what, path, std::strerror(err)));
    };
    if (old != nullptr && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
        ::fchown(fd, old->st_uid, old->st_gid) != 0) {
        ::close(fd);
        ::unlink(temp.c_str());
        return Renamed::OwnerNotKept;
    }
    // After the owner: a change of owner clears the set-id bits.
    if (old != nullptr && ::fchmod(fd, old->st_mode & 07777) != 0) return fail("write");
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
    return Renamed::Done;
}

}  // namespace

Status file_native::Replace(const std::string& path, const ReplaceBuilder* build, uint64_t maxCurrentBytes,
                            std::span<const uint8_t> bytes, Durability durability) {
    const std::string target = SaveTarget(path);
    const std::string folder = FolderOf(target);
    struct stat st {};
    const Result<int> opened = OpenLocked(path, target, st);
    if (!opened && opened.error().kind != ErrorKind::Missing) return opened.error();
    RemoveStaleTemporaries(folder);
    const bool exists = opened.has_value();
    const Descriptor locked(exists ? *opened : -1);
    if (exists && !MayWrite(target, st)) return MakeError(ErrorKind::Io, path + " is read-only");

    if (build != nullptr) {
        std::optional<std::vector<uint8_t>> current;
        if (exists) {
            if (static_cast<uint64_t>(st.st_size) > maxCurrentBytes)
                return MakeError(ErrorKind::Unsupported,
                                 FileError("save", path,
                                           "it is larger than the " + std::to_string(maxCurrentBytes) +
                                               " bytes this program reads of such a file"));
            Result<std::vector<uint8_t>> read = ReadAll(locked.get(), path, static_cast<uint64_t>(st.st_size));
            if (!read) return read.error();
            current = std::move(*read);
        }
        Result<std::span<const uint8_t>> built = (*build)(current);
        if (!built) return built.error();
        bytes = *built;
    }

    if (!exists || (st.st_nlink <= 1 && !HasOwnAttributes(target))) {
        const Result<Renamed> renamed =
            ReplaceByRename(path, target, folder, exists ? &st : nullptr, bytes, durability);
        if (!renamed) return renamed.error();
        if (*renamed == Renamed::Done) {
            file_native::RemoveOldCopiesOfEndedSaves(folder, NameOf(target));
            return {};
        }
    }
    Status written = WriteInPlace(path, target, folder, locked.get(), bytes, durability);
    if (written) file_native::RemoveOldCopiesOfEndedSaves(folder, NameOf(target));
    return written;
}

int file_native::Close(intptr_t native) { return native == kClosed ? 0 : ::close(static_cast<int>(native)); }

unsigned long CurrentProcessId() { return static_cast<unsigned long>(::getpid()); }

std::vector<std::string> file_native::EntriesOfEndedProcesses(const std::string& folder,
                                                              const std::function<long(std::string_view)>& ownerOf) {
    std::vector<std::string> ended;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return ended;
    while (const dirent* entry = ::readdir(dir)) {
        const long owner = ownerOf(entry->d_name);
        if (owner <= 0 || owner == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(owner), 0) == 0 || errno != ESRCH) continue;
        ended.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return ended;
}

// A link to the file stays a link: the file it points at is written.
std::string file_native::SaveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string target(real);
    std::free(real);
    return target;
}

std::string file_native::InFolder(const std::string& folder, const std::string& name) {
    return (folder == "/" ? "" : folder) + "/" + name;
}

// --- whole files ---------------------------------------------------------------------

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

Status RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return {};
    return IoError("remove", path, errno);
}

// --- handles -------------------------------------------------------------------------

Result<ReadHandle> ReadHandle::Open(const std::string& path) {
    struct stat st {};
    const Result<int> fd = OpenRegular(path, "read", st, path);
    if (!fd) return fd.error();
    return ReadHandle(path, *fd, st.st_size > 0 ? static_cast<uint64_t>(st.st_size) : 0);
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
