// One open langpack: its path, the model read from it and the bytes the next
// save lays the new fonts area over. The editor and glyphora-tool open and
// save through this one class, so both write the same bytes.
#pragma once

#include "Langpack.h"

#include <Error.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace glyphora {

// The largest file opened as a langpack: a phone's whole language area is a
// few megabytes.
inline constexpr uint64_t kMaxLangpackFileSize = uint64_t{32} << 20;

class LangpackDocument {
public:
    // What a save does when the file on disk is no longer what was read.
    enum class WhenChanged { Refuse, Overwrite };

    // Reads and parses the whole file. Errors: Missing (no file at the path),
    // NotLangpack (too short or no signature), Io (cannot be read), Malformed
    // (a langpack whose tables cannot be read). Every message names the file.
    static Result<LangpackDocument> Load(const std::string& path);

    LangpackDocument(std::string path, std::vector<uint8_t> bytes, TLangpack langpack);

    const std::string& path() const { return path_; }
    TLangpack& langpack() { return langpack_; }
    const TLangpack& langpack() const { return langpack_; }

    // Rebuilds the fonts area and replaces the file (see WriteFileAtomically:
    // links, hard links, owner and attributes stay). The bytes outside the
    // fonts area come from the file as it is now, so that the save writes into
    // it as an in-place write would; when the file has gone or is no longer
    // this langpack, the bytes kept from the open or the last save are used.
    // Errors: Changed (another program changed the fonts area or what follows
    // it, or wrote something else over the file, since it was read; only with
    // WhenChanged::Refuse), Refused (a limit of the file form; the message is
    // the writer's own and does not name the file) and Io (the file on disk is
    // the old one). The file is locked from that check to the end of the
    // write. The model is changed (new offsets) only when the file was
    // written, so a refused or failed save leaves both as they were.
    Status Save(WhenChanged whenChanged = WhenChanged::Refuse);

private:
    // Whether `now` is the langpack as read (or last saved) where a save writes.
    bool unchangedOnDisk(std::span<const uint8_t> now) const;
    bool isThisLangpack(std::span<const uint8_t> now) const;

    std::string path_;
    std::vector<uint8_t> bytes_;
    TLangpack langpack_;
};

}  // namespace glyphora
