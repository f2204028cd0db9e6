#include "LangpackDocument.h"

#include <FileLayer.h>
#include "LangpackReader.h"
#include "LangpackWriter.h"

namespace glyphora {

Result<LangpackDocument> LangpackDocument::Load(const std::string& path) {
    Result<std::vector<uint8_t>> file = ReadWholeFile(path);
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

std::vector<uint8_t> LangpackDocument::currentBytes() const {
    Result<std::vector<uint8_t>> file = ReadWholeFile(path_);
    if (!file) return bytes_;
    const Result<LangpackHead> head = ReadHeadLang(*file);
    const TLangpackHeader& mine = langpack_.Header;
    const bool sameLangpack = head && head->Header.LangpackAddress == mine.LangpackAddress &&
                              head->Header.FontsAddress == mine.FontsAddress &&
                              head->Header.LanguageCount == mine.LanguageCount;
    if (sameLangpack) return std::move(*file);
    return bytes_;
}

Status LangpackDocument::Save() {
    const std::vector<uint8_t> current = currentBytes();
    Result<SavePlan> plan = PlanSave(langpack_, current);
    if (!plan) return plan.error();
    Result<SavedImage> saved = WritePlan(std::move(*plan), current);
    if (!saved) return saved.error();

    if (Status written = WriteFileAtomically(path_, saved->image); !written) return written;

    langpack_ = std::move(saved->langpack);
    bytes_ = std::move(saved->image);
    return {};
}

}  // namespace glyphora
