#include "LanguageFile.h"

#include "TextEncoding.h"

#include <optional>

namespace glyphora {

namespace {

// Splits off the next line; CR LF, LF and a lone CR each end one. A last line
// without an ending still counts; an ending at the very end starts no new line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}
    bool atEnd() const { return rest_.empty(); }
    // Past the end every line reads as empty, as a text file's reader gives.
    std::string_view next() {
        const std::size_t end = rest_.find_first_of("\r\n");
        const std::string_view line = rest_.substr(0, end);
        if (end == std::string_view::npos) {
            rest_ = {};
        } else {
            const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
            rest_.remove_prefix(end + (crlf ? 2 : 1));
        }
        return line;
    }

private:
    std::string_view rest_;
};

// Only the digits 0 to 9, at least one. A number too large for any slot
// saturates: it is still an integer, just not a slot.
std::optional<int64_t> DecimalInteger(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        if (value <= UiStrings::kSlotCount) value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

LanguageFileContent ParseLanguageFile(std::span<const uint8_t> bytes) {
    LanguageFileContent content;
    const std::string text = DecodeUtf8OrWindows1251(bytes);
    LineReader lines(text);

    content.headerOk = lines.next() == kLanguageFileHeader;
    if (!content.headerOk) return content;
    // Line 2 is never an entry, even when it looks like one.
    content.versionOk = lines.next() == kLanguageFileVersion;

    for (int lineNumber = 3; !lines.atEnd(); ++lineNumber) {
        const std::string_view line = lines.next();
        if (!line.starts_with('s')) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::optional<int64_t> slot = DecimalInteger(line.substr(1, equals - 1));
        if (!slot) {
            content.formatFault = true;
            content.faultLine = lineNumber;
            return content;
        }
        if (!UiStrings::IsSlot(*slot)) continue;
        content.entries.push_back({static_cast<int>(*slot), std::string(line.substr(equals + 1))});
    }
    return content;
}

void StoreEntries(const std::vector<LanguageEntry>& entries, UiStrings& strings) {
    for (const LanguageEntry& entry : entries) strings.set(entry.slot, entry.text);
}

}  // namespace glyphora
