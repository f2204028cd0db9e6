// What a program file answered about itself (a renderer's --capabilities),
// kept per path while the file's size and modification time stay the same,
// so that each batch need not start the program once more only to ask it.
// With a store file the answers outlive the process: a one-glyph command of
// the tool then starts the renderer once, not twice.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

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
    // Without a store, answers are kept for the life of the process. A store
    // that cannot be read or written, or is damaged, only costs a question.
    explicit FileAnswerMemo(std::string storePath = {}) : storePath_(std::move(storePath)) {}

    // The answer kept for the file as it is now, else ask()'s, which is kept
    // unless it is nothing (no answer: asked again next time). A file that
    // cannot be looked at is asked every time.
    std::string answer(const std::string& path, const std::function<std::optional<std::string>()>& ask);

private:
    struct Kept {
        FileStamp stamp;
        std::string answer;
    };
    using Answers = std::map<std::string, Kept>;
    static Answers Parse(const std::string& text);
    static std::string Text(const Answers& answers);
    void loadStore();
    void saveToStore(const std::string& path, const Kept& kept);

    std::string storePath_;
    bool storeLoaded_ = false;
    std::mutex mutex_;
    Answers kept_;
};

}  // namespace glyphora
