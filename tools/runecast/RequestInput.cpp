#include "RequestInput.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace glyphora::runecast {

namespace {

constexpr std::size_t kBlock = 1 << 16;

int DescriptorOf(std::FILE* in) {
#ifdef _WIN32
    return _fileno(in);
#else
    return fileno(in);
#endif
}

long ReadSome(int fd, char* into, std::size_t size) {
#ifdef _WIN32
    return _read(fd, into, static_cast<unsigned>(size));
#else
    return static_cast<long>(::read(fd, into, size));
#endif
}

}  // namespace

RequestInput::RequestInput(std::FILE* in, std::size_t maxLine)
    : in_(in), fd_(in ? DescriptorOf(in) : -1), maxLine_(maxLine), buffer_(kBlock) {}

bool RequestInput::fill() {
    begin_ = end_ = 0;
    if (fd_ < 0) {
        const int c = std::fgetc(in_);
        if (c == EOF) return false;
        buffer_[0] = static_cast<char>(c);
        end_ = 1;
        return true;
    }
    for (;;) {
        const long n = ReadSome(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            end_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n < 0 && errno == EINTR) continue;
        return false;
    }
}

bool RequestInput::readLine(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !fill()) break;
        any = true;
        const char* start = buffer_.data() + begin_;
        const std::size_t left = end_ - begin_;
        const void* newline = std::memchr(start, '\n', left);
        const std::size_t take = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) : left;
        if (line.size() < maxLine_) line.append(start, std::min(take, maxLine_ - line.size()));
        begin_ += take;
        if (newline) {
            ++begin_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

bool RequestInput::waiting() {
    if (begin_ < end_) return true;
#ifdef _WIN32
    return false;
#else
    if (fd_ < 0) return false;
    pollfd input{fd_, POLLIN, 0};
    return ::poll(&input, 1, 0) > 0;
#endif
}

}  // namespace glyphora::runecast
