#include "LangpackDocument.h"

#include <FileLayer.h>
#include "LangpackReader.h"
#include "LangpackWriter.h"


namespace glyphora {

Result<LangpackDocument> LangpackDocument::Load(const std::string& path) {
    Result<std::vector<uint8_t>> file = ReadWholeFile(path);
    if (!file) return file.error();

    ReadResult read = ReadLangpack(*file);
    switch (read.status) {
    case ReadStatus::NotLangpack:
        return MakeError(ErrorKind::NotLangpack, path + ": This file is not langpack.");
    case ReadStatus::Malformed:
        return MakeError(ErrorKind::Malformed, path + ": " + read.message);
    case ReadStatus::Ok:
        break;
    }
    return LangpackDocument(path, std::move(*file), std::move(read.langpack));
}

LangpackDocument::LangpackDocument(std::string path, std::vector<uint8_t> bytes, TLangpack langpack)
    : path_(std::move(path)), bytes_(std::move(bytes)), langpack_(std::move(langpack)) {}

std::vector<uint8_t> LangpackDocument::currentBytes() const {
    Result<std::vector<uint8_t>> file = ReadWholeFile(path_);
    if (!file) return bytes_;
    const ReadHeadResult head = ReadHeadLang(*file);
    const TLangpackHeader& mine = langpack_.Header;
    const bool sameLangpack = head.status == ReadStatus::Ok &&
                              head.Header.LangpackAddress == mine.LangpackAddress &&
                              head.Header.FontsAddress == mine.FontsAddress &&
                              head.Header.LanguageCount == mine.LanguageCount;
    return sameLangpack ? std::move(*file) : bytes_;
}

Status LangpackDocument::Save() {
    TLangpack saved = langpack_;
    SaveResult built = BuildSavedImage(saved, currentBytes());
    if (!built.ok) return MakeError(ErrorKind::Refused, built.message);

    if (Status written = WriteFileAtomically(path_, built.image); !written) return written;

    langpack_ = std::move(saved);
    bytes_ = std::move(built.image);
    return {};
}

}  // namespace glyphora
