#include "LangpackDocument.h"

#include "FileIO.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"

#include <filesystem>

namespace glyphora {

Result<LangpackDocument> LangpackDocument::Load(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return MakeError(ErrorKind::Missing, "'" + path + "' does not exist");

    FileBytes file = ReadWholeFile(path);
    if (!file.ok) return MakeError(ErrorKind::Io, file.error);

    ReadResult read = ReadLangpack(file.bytes);
    switch (read.status) {
    case ReadStatus::NotLangpack:
        return MakeError(ErrorKind::NotLangpack, path + ": This file is not langpack.");
    case ReadStatus::Malformed:
        return MakeError(ErrorKind::Malformed, path + ": " + read.message);
    case ReadStatus::Ok:
        break;
    }
    return LangpackDocument(path, std::move(file.bytes), std::move(read.langpack));
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

Status LangpackDocument::Save() {
    TLangpack saved = langpack_;
    SaveResult built = BuildSavedImage(saved, currentBytes());
    if (!built.ok) return MakeError(ErrorKind::Refused, built.message);

    const std::string error = WriteFileAtomically(path_, built.image);
    if (!error.empty()) return MakeError(ErrorKind::Io, error);

    langpack_ = std::move(saved);
    bytes_ = std::move(built.image);
    return {};
}

}  // namespace glyphora
