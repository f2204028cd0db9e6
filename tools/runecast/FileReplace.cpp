#include "FileReplace.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glyphora::runecast {

namespace {

Error IoError(const std::string& what, const std::string& path, int err) {
    return MakeError(ErrorKind::Io, what + " '" + path + "': " + std::strerror(err));
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

}  // namespace

Status ReplaceFile(const std::string& path, std::span<const uint8_t> bytes) {
    // The process id keeps two renderers started in the same folder apart.
    // No fsync: the file is read at once by the program that started us, and
    // a crash of the machine costs one glyph, not a document.
    const std::string temp = path + "." + std::to_string(::getpid()) + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return IoError("cannot create", temp, errno);
    }
    if (!WriteAll(fd, bytes)) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return IoError("cannot write", temp, err);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return IoError("cannot write", temp, err);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return IoError("cannot replace", path, err);
    }
    return {};
}

Status RemoveFileIfPresent(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        return IoError("cannot remove", path, errno);
    }
    return {};
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        if (text.size() + static_cast<std::size_t>(n) > maxBytes) {
            ::close(fd);
            return std::nullopt;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

}  // namespace glyphora::runecast
