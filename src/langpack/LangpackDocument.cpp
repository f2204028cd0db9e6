#include "LangpackDocument.h"

#include <FileLayer.h>
#include "ByteSpan.h"
#include "LangpackFormat.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"

#include <algorithm>
#include <optional>

namespace glyphora {

Result<LangpackDocument> LangpackDocument::Load(const std::string& path) {
    Result<std::vector<uint8_t>> file = ReadWholeFile(path, kMaxLangpackFileSize);
    if (!file) return file.error();

    Result<TLangpack> read = ReadLangpack(*file);
    if (!read) {
        const ErrorKind kind = read.error().kind;
        return MakeError(
            kind, path + ": " + (kind == ErrorKind::NotLangpack ? "This file is not langpack." : read.error().message));
    }
    return LangpackDocument(path, std::move(*file), std::move(*read));
}

LangpackDocument::LangpackDocument(std::string path, std::vector<uint8_t> bytes, TLangpack langpack)
    : path_(std::move(path)), bytes_(std::move(bytes)), langpack_(std::move(langpack)) {}

bool LangpackDocument::isThisLangpack(std::span<const uint8_t> now) const {
    const Result<LangpackHead> head = ReadHeadLang(now);
    const TLangpackHeader& mine = langpack_.Header;
    return head && head->Header.LangpackAddress == mine.LangpackAddress &&
           head->Header.FontsAddress == mine.FontsAddress && head->Header.LanguageCount == mine.LanguageCount;
}

// A save rewrites the fonts area, what follows it and the set table's
// address: another program's change there would be undone. (The time of the
// last change cannot tell: it may stay the same over two quick writes.)
bool LangpackDocument::unchangedOnDisk(std::span<const uint8_t> now) const {
    if (!isThisLangpack(now) || now.size() != bytes_.size() || now.size() < kHeaderEnd) return false;
    const auto address = std::span(bytes_).subspan(kSetTableAddressOffset, kHeaderEnd - kSetTableAddressOffset);
    if (!std::equal(address.begin(), address.end(), now.begin() + kSetTableAddressOffset)) return false;
    const uint64_t fonts = FileOffsetOf(langpack_.Header.FontsAddress, langpack_.Header.LangpackAddress);
    const auto from = static_cast<std::ptrdiff_t>(std::min<uint64_t>(fonts, now.size()));
    return std::equal(bytes_.begin() + from, bytes_.end(), now.begin() + from);
}

Status LangpackDocument::Save(WhenChanged whenChanged) {
    std::optional<SavedImage> saved;
    const auto build = [&](const std::optional<std::vector<uint8_t>>& now) -> Result<std::span<const uint8_t>> {
        if (now && whenChanged == WhenChanged::Refuse && !unchangedOnDisk(*now))
            return MakeError(ErrorKind::Changed, path_ + " was changed by another program since it was opened.");
        const std::vector<uint8_t>& current = now && isThisLangpack(*now) ? *now : bytes_;
        Result<SavePlan> plan = PlanSave(langpack_, current);
        if (!plan) return plan.error();
        Result<SavedImage> image = WritePlan(std::move(*plan), current);
        if (!image) return image.error();
        saved = std::move(*image);
        return std::span<const uint8_t>(saved->image);
    };
    if (Status written = ReplaceFile(path_, kMaxLangpackFileSize, build); !written) return written;

    langpack_ = std::move(saved->langpack);
    bytes_ = std::move(saved->image);
    return {};
}

}  // namespace glyphora
