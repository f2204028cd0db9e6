// POSIX file access for the langpack. A save never writes into the file
// itself: the new bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the old one, so that a failure at any
// step leaves the old file as it was.
#include "FileIO.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace glyphora {

namespace {

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

std::string Failure(std::string_view what, const std::string& path, int err) {
    return std::string(what) + " " + Quoted(path) + ": " + std::strerror(err);
}

// Closes on every path out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closing can report a delayed write error, so a writer closes explicitly.
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
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

// The rename is only durable once the folder's entry is on disk too. Some
// file systems refuse fsync on a folder; that is no reason to call the save failed.
void SyncFolder(const std::string& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) (void)FsyncRetrying(dir.get());
}

// A link to the langpack stays a link: the file it points at is replaced.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string target(real);
    std::free(real);
    return target;
}

}  // namespace

FileBytes ReadWholeFile(const std::string& path) {
    FileBytes result;
    int fd;
    do fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        result.error = Failure("cannot open", path, errno);
        return result;
    }
    FileDescriptor file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = Failure("cannot read", path, errno);
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.error = Failure("cannot read", path, EISDIR);
        return result;
    }
    if (st.st_size > 0) result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    uint8_t buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.error = Failure("cannot read", path, errno);
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.bytes.insert(result.bytes.end(), buffer, buffer + n);
    }
    result.ok = true;
    return result;
}

std::string WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
    const std::string target = ResolvedTarget(path);
    // The new file gets the old one's permission bits; a new file gets what
    // the umask allows for an ordinary file.
    mode_t mode = 0;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return Failure("cannot write", path, EISDIR);
        mode = st.st_mode & 07777;
    } else if (errno == ENOENT) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = static_cast<mode_t>(0666 & ~mask);
    } else {
        return Failure("cannot write", path, errno);
    }

    const std::string folder = FolderOf(target);
    std::string temp = (folder == "/" ? "" : folder) + "/.glyphora-save-XXXXXX";
    FileDescriptor file(::mkstemp(temp.data()));
    if (file.get() < 0) {
        const int err = errno;
        return "cannot save " + Quoted(path) + ": no temporary file can be made in " + Quoted(folder) + ": " + std::strerror(err);
    }

    auto fail = [&](std::string_view what) {
        const int err = errno;
        ::unlink(temp.c_str());
        return Failure(what, path, err);
    };
    if (::fchmod(file.get(), mode) != 0) return fail("cannot write");
    if (!WriteAll(file.get(), bytes)) return fail("cannot write");
    if (FsyncRetrying(file.get()) != 0) return fail("cannot flush");
    if (file.close() != 0) return fail("cannot write");
    if (::rename(temp.c_str(), target.c_str()) != 0) return fail("cannot replace");
    SyncFolder(folder);
    return {};
}

}  // namespace glyphora
