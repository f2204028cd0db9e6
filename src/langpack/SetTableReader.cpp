// The font-set table: Framed (0000, record, 0000 per set, then FF FF) or
// Packed (records back to back, ended by the word 00 01 or 00 00). What
// follows the table is kept in SetTableTail, in file order, so that a save
// puts it back.
#include "LangpackReader.h"

#include "ByteSpan.h"
#include "LangpackFormat.h"

#include <HexText.h>

namespace glyphora {

namespace {

// How the walk over the records stopped; decides what SetTableTail keeps.
enum class TableEnd {
    Word0001,        // a record started with 00 01
    EndWord,         // Framed 0000 FFFF, or Packed 00 00
    FrameAtFileEnd,  // Framed: the file ended right after a record's trailing zero word
    ShortWord,       // Framed: one byte was left where the next word should be
    FileEnd,         // the file ended where the next record would start
};

std::string SetAt(std::size_t setNumber, std::size_t offset) {
    return "set " + std::to_string(setNumber) + " (offset " + HexOffset(offset) + ")";
}

Error CutOff(const std::string& what, std::size_t setNumber, std::size_t offset) {
    return MakeError(ErrorKind::Malformed, "the file ends inside " + what + " of " + SetAt(setNumber, offset));
}

void KeepTail(std::span<const uint8_t> file, ByteCursor& c, TableEnd end, TSetTableForm form,
              std::span<const uint8_t> lastWord, TLangpack& lp) {
    switch (end) {
    case TableEnd::Word0001:
        // Put back as 00 00 00 01 whatever followed: in both forms the
        // table then ends again at the same place (Framed reads the zero
        // word as a frame, Packed stops at 00 00).
        lp.SetTableTail = {0x00, 0x00, 0x00, 0x01};
        lp.SetTableAtEnd = false;
        return;
    case TableEnd::FrameAtFileEnd: lp.SetTableAtEnd = true; return;
    case TableEnd::ShortWord:
        lp.SetTableTail.assign(lastWord.begin(), lastWord.end());
        lp.SetTableAtEnd = true;
        return;
    case TableEnd::FileEnd:
        if (form == TSetTableForm::Packed)
            lp.SetTableTail = {0x00, 0x00};  // the end word the table lacked
        else
            lp.SetTableTail.assign(lastWord.begin(), lastWord.end());
        lp.SetTableAtEnd = true;
        return;
    case TableEnd::EndWord: {
        lp.SetTableTail.assign(lastWord.begin(), lastWord.end());
        const std::size_t after = c.remaining() < 4 ? c.remaining() : 4;
        const auto more = file.subspan(c.pos(), after);
        lp.SetTableTail.insert(lp.SetTableTail.end(), more.begin(), more.end());
        lp.SetTableAtEnd = after < 4;
        return;
    }
    }
}

}  // namespace

Status ReadSet(std::span<const uint8_t> file, TLangpack& lp) {
    lp.FontSetTable.clear();
    lp.IntervalTable.clear();
    lp.SymbolTable.clear();
    lp.SetTableTail.clear();
    lp.SetTableAtEnd = false;
    lp.Set3SharesSet2 = false;
    lp.Set7SharesSet2 = false;

    const uint64_t start = FileOffsetOf(lp.Header.SetTableAddress, lp.Header.LangpackAddress);
    if (!Fits(file, start, 2))
        return MakeError(ErrorKind::Malformed, "the set table at offset " + HexOffset(start) +
                                                   " lies outside the file (" + std::to_string(file.size()) +
                                                   " bytes)");

    ByteCursor c(file, static_cast<std::size_t>(start));
    std::span<const uint8_t> lastWord = file.subspan(c.pos(), 2);
    const uint16_t firstWord = c.word();
    const TSetTableForm form = firstWord == 0 ? TSetTableForm::Framed : TSetTableForm::Packed;
    const bool framed = form == TSetTableForm::Framed;
    lp.SetTableForm = form;

    TableEnd end = TableEnd::FileEnd;
    bool firstRecord = true;
    while (!c.atEnd()) {
        const std::size_t setNumber = lp.FontSetTable.size() + 1;
        uint16_t dataOffset = firstWord;
        if (framed || !firstRecord) {
            if (c.remaining() < 2) return CutOff("the first word", setNumber, c.pos());
            lastWord = file.subspan(c.pos(), 2);
            dataOffset = c.word();
        }
        firstRecord = false;
        if (dataOffset == kEndWord0001) {
            end = TableEnd::Word0001;
            break;
        }
        if (!framed && dataOffset == 0) {
            end = TableEnd::EndWord;
            break;
        }
        if (lp.FontSetTable.size() == kMaxSets)
            return MakeError(ErrorKind::Malformed,
                             "the set table holds more than " + std::to_string(kMaxSets) + " sets");

        // A Packed table's first record starts with the word read as the table's first.
        const std::size_t recordStart = c.pos() - 2;
        if (c.remaining() < kSetRecordSize - 2) return CutOff("the record", setNumber, recordStart);
        TFontSetEntry& set = lp.FontSetTable.emplace_back();
        TCharInterval& interval0 = lp.IntervalTable.emplace_back(1).front();
        ReadSetRecord(file.data() + recordStart, set, interval0);
        c.take(kSetRecordSize - 2);
        lastWord = file.subspan(c.pos() - 2, 2);
        if (setNumber == 3 && set.DataOffset == lp.FontSetTable[1].DataOffset) lp.Set3SharesSet2 = true;
        if (setNumber == 7 && set.DataOffset == lp.FontSetTable[1].DataOffset) lp.Set7SharesSet2 = true;

        if (!framed) continue;
        if (c.remaining() < 2) return CutOff("the frame", setNumber, recordStart);
        const uint16_t trailing = c.word();
        if (c.atEnd()) {
            end = TableEnd::FrameAtFileEnd;
            break;
        }
        if (c.remaining() < 2) {
            lastWord = c.take(1);
            end = TableEnd::ShortWord;
            break;
        }
        lastWord = file.subspan(c.pos(), 2);
        const uint16_t next = c.word();  // the next record's leading zero word, or the end marker
        if (trailing == 0 && next == kFramedMarker) {
            end = TableEnd::EndWord;
            break;
        }
    }
    lp.SymbolTable.resize(lp.FontSetTable.size());
    KeepTail(file, c, end, form, lastWord, lp);
    return {};
}

}  // namespace glyphora
