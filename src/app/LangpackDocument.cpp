#include "LangpackDocument.h"

#include <FileIO.h>
#include <LangpackReader.h>
#include <LangpackWriter.h>

#include <filesystem>

namespace glyphora {

DocumentLoad LangpackDocument::Load(const std::string& path, std::optional<LangpackDocument>& document) {
    document.reset();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {DocumentLoad::Status::Missing, {}};

    FileBytes file = ReadWholeFile(path);
    if (!file.ok) return {DocumentLoad::Status::Unreadable, file.error};

    ReadResult read = ReadLangpack(file.bytes);
    switch (read.status) {
    case ReadStatus::NotLangpack:
        return {DocumentLoad::Status::NotLangpack, {}};
    case ReadStatus::Malformed:
        return {DocumentLoad::Status::Malformed, path + ": " + read.message};
    case ReadStatus::Ok:
        break;
    }
    document.emplace(path, std::move(file.bytes), std::move(read.langpack));
    return {DocumentLoad::Status::Loaded, {}};
}

LangpackDocument::LangpackDocument(std::string path, std::vector<uint8_t> bytes, TLangpack langpack)
    : path_(std::move(path)), bytes_(std::move(bytes)), langpack_(std::move(langpack)) {}

std::vector<uint8_t> LangpackDocument::currentBytes() const {
    FileBytes file = ReadWholeFile(path_);
    if (!file.ok) return bytes_;
    const ReadHeadResult head = ReadHeadLang(file.bytes);
    const TLangpackHeader& mine = langpack_.Header;
    const bool sameLangpack = head.status == ReadStatus::Ok &&
                              head.Header.LangpackAddress == mine.LangpackAddress &&
                              head.Header.FontsAddress == mine.FontsAddress &&
                              head.Header.LanguageCount == mine.LanguageCount;
    return sameLangpack ? std::move(file.bytes) : bytes_;
}

DocumentSave LangpackDocument::Save() {
    TLangpack saved = langpack_;
    SaveResult built = BuildSavedImage(saved, currentBytes());
    if (!built.ok) return {DocumentSave::Status::Refused, built.message};

    const std::string error = WriteFileAtomically(path_, built.image);
    if (!error.empty()) return {DocumentSave::Status::WriteFailed, error};

    langpack_ = std::move(saved);
    bytes_ = std::move(built.image);
    return {DocumentSave::Status::Saved, {}};
}

}  // namespace glyphora
