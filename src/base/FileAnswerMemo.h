// What a program file answered about itself (a renderer's --capabilities),
// kept per path while the file's size and modification time stay the same,
// so that each batch need not start the program once more only to ask it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace glyphora {

// A file as it is now: what tells that it was replaced or written since.
struct FileStamp {
    uintmax_t size = 0;
    int64_t modified = 0;
    bool operator==(const FileStamp&) const = default;
};
// Nothing when the file cannot be looked at.
std::optional<FileStamp> StampOf(const std::string& path);

class FileAnswerMemo {
public:
    // The answer kept for the file as it is now, else ask()'s, which is kept
    // unless it is nothing (no answer: asked again next time). A file that
    // cannot be looked at is asked every time.
    std::string answer(const std::string& path, const std::function<std::optional<std::string>()>& ask);

private:
    struct Kept {
        FileStamp stamp;
        std::string answer;
    };
    std::mutex mutex_;
    std::map<std::string, Kept> kept_;
};

}  // namespace glyphora
