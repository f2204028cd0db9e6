#include "FileAnswerMemo.h"

#include "Utf8Path.h"

#include <filesystem>
#include <system_error>

namespace glyphora {

std::optional<FileStamp> StampOf(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file = PathFromUtf8(path);
    const uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) return std::nullopt;
    const auto modified = std::filesystem::last_write_time(file, ec);
    if (ec) return std::nullopt;
    return FileStamp{size, static_cast<int64_t>(modified.time_since_epoch().count())};
}

std::string FileAnswerMemo::answer(const std::string& path, const std::function<std::optional<std::string>()>& ask) {
    const std::optional<FileStamp> before = StampOf(path);
    if (before) {
        const std::lock_guard lock(mutex_);
        if (auto found = kept_.find(path); found != kept_.end() && found->second.stamp == *before)
            return found->second.answer;
    }
    // Asked without the lock: the program may take its time.
    std::optional<std::string> asked = ask();
    if (!asked) return {};
    // A file replaced while it answered: the answer may be the old one's.
    const std::optional<FileStamp> after = StampOf(path);
    if (before && after && *before == *after) {
        const std::lock_guard lock(mutex_);
        kept_[path] = Kept{*before, *asked};
    }
    return std::move(*asked);
}

}  // namespace glyphora
