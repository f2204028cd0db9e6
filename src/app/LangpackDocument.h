// One open langpack: its path, the model read from it and the bytes the next
// save lays the new fonts area over. Toolkit-free.
#pragma once

#include <Langpack.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

class LangpackDocument;

struct DocumentLoad {
    enum class Status {
        Loaded,
        Missing,      // no file at the path: nothing happens
        NotLangpack,  // refused silently, the previous langpack stays
        Unreadable,   // the file exists but cannot be read
        Malformed,    // a langpack whose tables cannot be read
    };
    Status status = Status::Missing;
    std::string message;  // for Unreadable and Malformed: names the file and the fault
};

struct DocumentSave {
    enum class Status {
        Saved,
        Refused,      // the new fonts area breaks a limit; nothing written
        WriteFailed,  // the file on disk is the old one
    };
    Status status = Status::Saved;
    std::string message;
};

class LangpackDocument {
public:
    // Reads and parses the whole file. On any status but Loaded, `document` stays empty.
    static DocumentLoad Load(const std::string& path, std::optional<LangpackDocument>& document);

    LangpackDocument(std::string path, std::vector<uint8_t> bytes, TLangpack langpack);

    const std::string& path() const { return path_; }
    TLangpack& langpack() { return langpack_; }
    const TLangpack& langpack() const { return langpack_; }

    // Rebuilds the fonts area and replaces the file atomically. The model is
    // changed (new offsets) only when the file was written, so a refused or
    // failed save leaves both the model and the file as they were.
    DocumentSave Save();

private:
    // The bytes outside the fonts area come from the file as it is now, so that
    // the save writes into it as an in-place write would. When the file has gone
    // or is no longer this langpack, the bytes kept from the open or the last
    // save are used, so the image written is always coherent.
    std::vector<uint8_t> currentBytes() const;

    std::string path_;
    std::vector<uint8_t> bytes_;
    TLangpack langpack_;
};

}  // namespace glyphora
