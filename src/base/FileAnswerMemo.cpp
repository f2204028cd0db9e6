#include "FileAnswerMemo.h"

#include "FileLayer.h"
#include "HexText.h"
#include "Utf8Path.h"

#include <filesystem>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

namespace glyphora {

namespace {

constexpr std::string_view kStoreMagic = "glyphora-answers 1\n";
// A store is a few lines; anything much larger is not one.
constexpr uint64_t kMaxStoreBytes = 65536;
constexpr std::size_t kMaxStoredAnswers = 32;

// "=" first, so that an empty text is still a field.
std::string HexOf(std::string_view text) {
    std::string hex = "=";
    for (const char c : text) hex += UpperHex(static_cast<unsigned char>(c), 2);
    return hex;
}

std::optional<std::string> TextOfHex(std::string_view hex) {
    if (!hex.starts_with('=')) return std::nullopt;
    std::optional<std::vector<uint8_t>> bytes = HexToBytes(hex.substr(1));
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

}  // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file = PathFromUtf8(path);
    const uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) return std::nullopt;
    const auto modified = std::filesystem::last_write_time(file, ec);
    if (ec) return std::nullopt;
    return FileStamp{size, static_cast<int64_t>(modified.time_since_epoch().count())};
}

// Each line: size, modification time, the path and the answer in hexadecimal.
// The whole store is dropped at the first line that does not read so.
FileAnswerMemo::Answers FileAnswerMemo::Parse(const std::string& text) {
    Answers answers;
    if (!text.starts_with(kStoreMagic)) return answers;
    std::istringstream lines(text.substr(kStoreMagic.size()));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        Kept kept;
        std::string pathHex;
        std::string answerHex;
        if (!(fields >> kept.stamp.size >> kept.stamp.modified >> pathHex >> answerHex)) return {};
        std::optional<std::string> path = TextOfHex(pathHex);
        std::optional<std::string> answer = TextOfHex(answerHex);
        if (!path || !answer) return {};
        kept.answer = std::move(*answer);
        answers[std::move(*path)] = std::move(kept);
    }
    return answers;
}

std::string FileAnswerMemo::Text(const Answers& answers) {
    std::string text(kStoreMagic);
    for (const auto& [path, kept] : answers)
        text += std::to_string(kept.stamp.size) + ' ' + std::to_string(kept.stamp.modified) + ' ' + HexOf(path) + ' ' +
                HexOf(kept.answer) + '\n';
    return text;
}

void FileAnswerMemo::loadStore() {
    if (storeLoaded_ || storePath_.empty()) return;
    storeLoaded_ = true;
    Result<std::vector<uint8_t>> bytes = ReadWholeFile(storePath_, kMaxStoreBytes);
    if (!bytes) return;
    for (auto& [path, kept] : Parse(std::string(bytes->begin(), bytes->end()))) kept_.try_emplace(path, kept);
}

// The store is read again before it is written, so that what another
// program added meanwhile is kept; two writing at once lose at most an
// answer, which is asked again.
void FileAnswerMemo::saveToStore(const std::string& path, const Kept& kept) {
    if (storePath_.empty()) return;
    Answers stored;
    if (Result<std::vector<uint8_t>> bytes = ReadWholeFile(storePath_, kMaxStoreBytes))
        stored = Parse(std::string(bytes->begin(), bytes->end()));
    std::erase_if(stored, [](const auto& entry) { return StampOf(entry.first) != entry.second.stamp; });
    while (stored.size() >= kMaxStoredAnswers) stored.erase(stored.begin());
    stored[path] = kept;
    const std::string text = Text(stored);
    (void)WriteFileAtomically(storePath_, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
                              Durability::Quick);
}

std::string FileAnswerMemo::answer(const std::string& path, const std::function<std::optional<std::string>()>& ask) {
    const std::optional<FileStamp> before = StampOf(path);
    if (before) {
        const std::lock_guard lock(mutex_);
        loadStore();
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
        saveToStore(path, kept_[path]);
    }
    return std::move(*asked);
}

}  // namespace glyphora
