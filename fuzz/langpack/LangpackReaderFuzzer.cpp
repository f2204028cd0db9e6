// Any bytes: the reader refuses or reads them; what it reads, a save must
// either refuse with a message or write so that it reads back as the same
// sets, and a second save must give the same bytes. Then characters are added
// to and removed from its sets (the edits taken from the file's last bytes):
// an edit is refused with a message, or its result saves and reads back.
#include "CharacterRanges.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace glyphora;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_langpack_reader: %s\n", what);
    std::abort();
}

void ExpectSameHeader(const TLangpack& a, const TLangpack& b) {
    if (a.Header.LangpackAddress != b.Header.LangpackAddress || a.Header.FontsAddress != b.Header.FontsAddress ||
        a.Header.SetTableAddress != b.Header.SetTableAddress || a.LanguageTable.size() != b.LanguageTable.size())
        Fail("the header changed");
    // With 12 or more languages the records lie over offsets 564 to 571, and
    // a save rewrites the set table's address at 568: those fields may change.
    auto overHeaderField = [](std::size_t offset) { return offset + 4 > 564 && offset < 572; };
    for (std::size_t i = 0; i < a.LanguageTable.size(); ++i) {
        const std::size_t record = 24 + 48 * i;
        const TLanguageEntry& x = a.LanguageTable[i];
        const TLanguageEntry& y = b.LanguageTable[i];
        if ((x.ID != y.ID && !overHeaderField(record)) ||
            (x.PackedStringsAddress != y.PackedStringsAddress && !overHeaderField(record + 4)) ||
            (x.ITapAddress != y.ITapAddress && !overHeaderField(record + 16)))
            Fail("a language record changed");
    }
}

void ExpectSameSets(const TLangpack& a, const TLangpack& b) {
    if (a.SetCount() != b.SetCount()) Fail("the saved file has another number of sets");
    if (a.Set3SharesSet2 != b.Set3SharesSet2) Fail("set 3 shares set 2 in one file only");
    if (a.Set7SharesSet2 != b.Set7SharesSet2) Fail("set 7 shares set 2 in one file only");
    for (std::size_t k = 0; k < a.SetCount(); ++k) {
        const TFontSetEntry& x = a.FontSetTable[k];
        const TFontSetEntry& y = b.FontSetTable[k];
        if (x.Height != y.Height || x.IntervalCount != y.IntervalCount || x.SymbolCount != y.SymbolCount ||
            x.Extra1 != y.Extra1 || x.Extra2 != y.Extra2 || x.Extra3 != y.Extra3)
            Fail("a set record changed");
        for (std::size_t j = 0; j < a.IntervalTable[k].size(); ++j) {
            const TCharInterval& p = a.IntervalTable[k][j];
            const TCharInterval& q = b.IntervalTable[k][j];
            if (p.FirstCode != q.FirstCode || p.LastCode != q.LastCode || p.FirstIndex != q.FirstIndex)
                Fail("an interval changed");
        }
        for (std::size_t s = 0; s < a.SymbolTable[k].size(); ++s) {
            const Symbols& g = a.SymbolTable[k][s];
            const Symbols& h = b.SymbolTable[k][s];
            if (g.Code != h.Code || g.Width != h.Width || g.Data != h.Data) Fail("a glyph changed");
        }
    }
}

// Each four bytes from the end of the input: which set and whether to add or
// remove, the first code, and the length and width of the range.
void EditCharacters(TLangpack lp, std::span<const uint8_t> bytes) {
    constexpr std::size_t kEdits = 4;
    if (lp.SetCount() == 0 || bytes.size() < 4 * kEdits) return;
    const uint8_t* op = bytes.data() + bytes.size() - 4 * kEdits;
    for (std::size_t i = 0; i < kEdits; ++i, op += 4) {
        const int set = (op[0] >> 1) % lp.SetCount();
        const uint32_t first = (uint32_t{op[1]} << 8) | op[2];
        const CodeSpan span{first, std::min<uint32_t>(first + op[3] % 40, 0xFFFF)};
        const Result<RangeEdit> done =
            (op[0] & 1) ? RemoveCodes(lp, set, span) : AddBlankCodes(lp, set, span, 1 + (op[3] >> 4) % 15);
        if (!done) {
            if (done.error().message.empty()) Fail("a refused edit of the characters without a message");
            continue;
        }
        TLangpack saved = lp;
        const Result<std::vector<uint8_t>> image = BuildSavedImage(saved, bytes);
        if (!image) Fail("an edit of the characters that was kept cannot be saved");
        const Result<TLangpack> reread = ReadLangpack(*image);
        if (!reread) Fail("the file saved after an edit of the characters does not read");
        ExpectSameSets(saved, *reread);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    Result<TLangpack> read = ReadLangpack(bytes);
    if (!read) {
        if (read.error().message.empty()) Fail("a refusal without a message");
        return 0;
    }
    TLangpack& lp = *read;
    const Result<std::vector<uint8_t>> saved = BuildSavedImage(lp, bytes);
    if (!saved) {
        if (saved.error().message.empty()) Fail("a refused save without a message");
        return 0;
    }
    const Result<TLangpack> reread = ReadLangpack(*saved);
    if (!reread) Fail("the saved file does not read");
    ExpectSameHeader(lp, *reread);
    ExpectSameSets(lp, *reread);

    const Result<std::vector<uint8_t>> again = BuildSavedImage(lp, *saved);
    if (!again || *again != *saved) Fail("a second save gives other bytes");
    EditCharacters(lp, bytes);
    return 0;
}
