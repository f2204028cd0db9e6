// One open langpack: its path, the model read from it and the bytes the next
// save lays the new fonts area over. The editor and glyphora-tool open and
// save through this one class, so both write the same bytes.
#pragma once

#include "Langpack.h"

#include <Error.h>

#include <cstdint>
#include <string>
#include <vector>

namespace glyphora {

class LangpackDocument {
public:
    // Reads and parses the whole file. Errors: Missing (no file at the path),
    // NotLangpack (too short or no signature), Io (cannot be read), Malformed
    // (a langpack whose tables cannot be read). Every message names the file.
    static Result<LangpackDocument> Load(const std::string& path);

    LangpackDocument(std::string path, std::vector<uint8_t> bytes, TLangpack langpack);

    const std::string& path() const { return path_; }
    TLangpack& langpack() { return langpack_; }
    const TLangpack& langpack() const { return langpack_; }

    // Rebuilds the fonts area and replaces the file atomically. Errors:
    // Refused (a limit of the file form; the message is the writer's own and
    // does not name the file) and Io (the file on disk is the old one). The
    // model is changed (new offsets) only when the file was written, so a
    // refused or failed save leaves both the model and the file as they were.
    Status Save();

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
