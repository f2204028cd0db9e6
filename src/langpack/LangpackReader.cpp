// Reading a langpack: header and languages here, the set table in
// SetTableReader.cpp, intervals, descriptors and glyph rows in IntervalReader.cpp.
//
// What the reader refuses and what it tolerates
// ---------------------------------------------
// Phones only ever see valid langpacks, so every valid file must open as it
// always did; but a damaged or foreign file must never make the reader touch
// memory outside the file or build a model that the editor and the writer
// cannot trust. Files that are not langpacks at all (shorter than 600 bytes,
// no 00 00 00 B1 at offset 4) are NotLangpack and refused silently. A langpack
// is refused as Malformed, with a message naming the set, glyph or offset, when
//   - its language records run past the end of the file;
//   - the set table starts outside the file, or the file ends inside a set
//     record, inside the frame word behind a Framed record, or one byte after
//     a Packed record;
//   - it has more than 21 sets;
//   - a set has more than 100 intervals, or more than 1001 glyphs;
//   - an interval ends below its first code;
//   - the intervals of a set do not cover its glyph indices 0 to SymbolCount-1
//     exactly once (a gap, an overlap, an index past the last glyph);
//   - an interval table, a descriptor table or a glyph's rows lie outside the
//     file (a flash address below LangpackAddress counts as outside).
// A refused file yields no model at all: the editor keeps what it had open.
//
// Tolerated, because valid files have them or nothing depends on them:
//   - language records that run over the fields at offsets 564 to 571 (those
//     fields are read at their fixed offsets whatever the records say);
//   - gaps between tables, tables and glyph rows that overlap or share bytes,
//     glyph rows in any order, bits right of a glyph's width set in the file;
//   - widths 0 to 15, a set height of 0, an interval 0 that is not in use
//     (its FirstIndex and DataBase are kept as read), a non-zero DataBase for
//     a set's first glyph, any Extra words;
//   - table offsets outside the file when the table is empty (nothing is read);
//   - set 7 pointing at set 2's glyph data, and set 3 (both are then saved as
//     copies of set 2);
//   - anything after the end of the set table, and every way the table ends.
//     A Packed table that runs to the end of the file without an end word is
//     read as if it ended with the end word 00 00 at the end of the file: its
//     last record's last word stays part of the record, and a save writes the
//     end word the table lacked.
#include "LangpackReader.h"

#include "ByteSpan.h"
#include "LangpackFormat.h"

#include <HexText.h>

#include <algorithm>
#include <utility>

namespace glyphora {

namespace {

int32_t AsInt32(uint32_t v) { return static_cast<int32_t>(v); }

Error NotLangpack(std::string why) { return MakeError(ErrorKind::NotLangpack, std::move(why)); }

}  // namespace

Result<LangpackHead> ReadHeadLang(std::span<const uint8_t> file) {
    if (file.size() < kMinLangpackSize) return NotLangpack("the file is shorter than 600 bytes");
    if (!std::equal(kSignature.begin(), kSignature.end(), file.begin() + kSignatureOffset))
        return NotLangpack("the bytes at offset 4 are not the langpack signature 00 00 00 B1");

    LangpackHead head;
    TLangpackHeader& h = head.Header;
    h.LangpackAddress = AsInt32(LoadBE32(file.data() + kFirstAddressOffset) - kFirstAddressFileOffset);
    h.FlashGeneration[0] = file[kFlashGenerationOffset];
    h.FlashGeneration[1] = file[kFlashGenerationOffset + 1];
    h.LangpackVersion = file[kLangpackVersionOffset];
    h.LanguageCount = file[kLanguageCountOffset];

    const std::size_t languagesEnd = LanguageTableEnd(h.LanguageCount);
    if (languagesEnd > file.size())
        return MakeError(ErrorKind::Malformed,
                         "the file ends inside the language table: " + std::to_string(h.LanguageCount) +
                             " languages need " + std::to_string(languagesEnd) + " bytes, the file has " +
                             std::to_string(file.size()));

    bool iTapSeen = false;
    int32_t firstITap = 0;
    head.LanguageTable.resize(h.LanguageCount);
    for (std::size_t i = 0; i < h.LanguageCount; ++i) {
        const uint8_t* rec = file.data() + kLanguageTableOffset + kLanguageRecordSize * i;
        TLanguageEntry& lang = head.LanguageTable[i];
        lang.ID = LoadLE32(rec + kLanguageIdField);
        lang.PackedStringsAddress = AsInt32(LoadBE32(rec + kPackedStringsAddressField));
        lang.ITapAddress = AsInt32(LoadBE32(rec + kITapAddressField));
        if (!iTapSeen && lang.ITapAddress != 0) {
            iTapSeen = true;
            firstITap = lang.ITapAddress;
        }
    }

    h.FontsAddress = AsInt32(LoadBE32(file.data() + kFontsAddressOffset));
    h.SetTableAddress = AsInt32(LoadBE32(file.data() + kSetTableAddressOffset));
    h.FontAreaSize = AsInt32(static_cast<uint32_t>(h.SetTableAddress) - static_cast<uint32_t>(h.FontsAddress));
    h.FontInMiddle = iTapSeen && h.SetTableAddress < firstITap;
    return head;
}

Result<TLangpack> ReadLangpack(std::span<const uint8_t> file) {
    Result<LangpackHead> head = ReadHeadLang(file);
    if (!head) return head.error();
    TLangpack lp;
    lp.Header = head->Header;
    lp.LanguageTable = std::move(head->LanguageTable);
    if (Status read = ReadSet(file, lp); !read) return read.error();
    if (Status read = ReadIntervals(file, lp); !read) return read.error();
    return lp;
}

std::string LanguageNameById(const std::string& idText) {
    static const std::pair<const char*, const char*> kNames[] = {
        {"01", "US English"},
        {"03", "UK English"},
        {"05", "Chinese Simple"},
        {"06", "French"},
        {"07", "German"},
        {"09", "Italian"},
        {"0A", "Spanish"},
        {"0D", "Canadian French"},
        {"0E", "American Spanish"},
        {"10", "Bulgarian"},
        {"11", "Croatian"},
        {"12", "Czech"},
        {"13", "Danish"},
        {"14", "Dutch"},
        {"16", "Finnish"},
        {"17", "Greek"},
        {"18", "Hungarian"},
        {"1E", "Norwegian"},
        {"1F", "Polish"},
        {"20", "Portuguese"},
        {"22", "Romanian"},
        {"23", "Russian"},
        {"28", "Turkish"},
        {"29", "Ukrainian"},
        {"2A", "Brazilian Portuguese"},
        {"2B", "Swedish"},
    };
    for (const auto& [id, name] : kNames)
        if (idText == id) return name;
    return "Unknown";
}

std::string LanguageNameById(uint32_t id) { return LanguageNameById(UpperHex(id, 2)); }

std::string SetDescription(int setNumber, bool set7SharesSet2) {
    static const char* const kDescriptions[] = {
        "Font NetMonitor",
        "General font",
        "General font (the double, is not used)",
        "Small numbers for screensaver-clock",
        "Small numbers at a set of number (when it is more than lines 3)",
        "The big numbers at a set of number",
        "Font a software of keys, the external screen, messages of phone and the counter of symbols in SMS",
        "Font of the datebook",
        "The small font (is not used)",
        "Very narrow numbers (are not used)",
        "Fat font WAP of a browser",
        "Hieroglyphs",
        "Font of the external screen",
        "Big numbers for screensaver-clock",
        "Very big numbers for screensaver-clock",
        "Very big letters A M P for screensaver-clock",
    };
    if (setNumber == 7 && set7SharesSet2) return "Not the correct reference to a body font (remained from old models)";
    if (setNumber < 1 || setNumber > 16) return {};
    return kDescriptions[setNumber - 1];
}

}  // namespace glyphora
