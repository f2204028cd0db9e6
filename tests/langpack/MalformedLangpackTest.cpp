// Damaged files are refused with a message that says what is wrong, and never
// make the reader leave the file's bytes.
#include <ReadOutcome.h>
#include "ByteOrder.h"
#include "LangpackBuilder.h"
#include "LangpackReader.h"

#include <gtest/gtest.h>

#include <functional>

namespace glyphora {
namespace {

using namespace fixtures;

struct Damage {
    const char* name;
    std::function<void(LangpackSpec&)> spec;    // change the description
    std::function<void(BuiltLangpack&)> bytes;  // or the built bytes
    const char* message;                        // part of the expected message
};

void PatchWord(BuiltLangpack& b, std::size_t at, uint16_t w) { StoreBE16(b.Bytes.data() + at, w); }
void PatchLong(BuiltLangpack& b, std::size_t at, uint32_t v) { StoreBE32(b.Bytes.data() + at, v); }

TEST(ReadLangpack, RefusesDamagedFilesWithAMessage) {
    const Damage cases[] = {
        {"set table past the end", nullptr,
         [](BuiltLangpack& b) { PatchLong(b, 568, kDefaultLangpackAddress + static_cast<uint32_t>(b.Bytes.size())); },
         "the set table at offset"},
        {"set table in the last byte", nullptr,
         [](BuiltLangpack& b) {
             PatchLong(b, 568, kDefaultLangpackAddress + static_cast<uint32_t>(b.Bytes.size() - 1));
         },
         "lies outside the file"},
        {"set table below the langpack's address", nullptr,
         [](BuiltLangpack& b) { PatchLong(b, 568, kDefaultLangpackAddress - 2); },
         "the set table at offset 0xFFFFFFFE"},
        {"file ends inside a record", [](LangpackSpec& s) { s.End = SetTableEnd::None; },
         [](BuiltLangpack& b) { b.Bytes.resize(b.Sets[3].RecordOffset + 10); },
         "the file ends inside the record of set 4"},
        {"file ends inside a frame",
         [](LangpackSpec& s) {
             s.End = SetTableEnd::None;
             s.AfterEnd.clear();
         },
         [](BuiltLangpack& b) { b.Bytes.resize(b.Bytes.size() - 1); }, "the file ends inside the frame of set 4"},
        {"packed table with a stray byte",
         [](LangpackSpec& s) {
             s.Form = TSetTableForm::Packed;
             s.End = SetTableEnd::None;
             s.AfterEnd = {0x42};
         },
         nullptr, "the file ends inside the first word of set 5"},
        {"22 sets", [](LangpackSpec& s) { s.Sets.resize(22, s.Sets[3]); }, nullptr, "more than 21 sets"},
        {"101 intervals",
         [](LangpackSpec& s) {
             std::vector<CodeRange> ranges;
             for (uint16_t c = 0; c < 102; ++c)
                 ranges.push_back({static_cast<uint16_t>(0x100 + 2 * c), static_cast<uint16_t>(0x100 + 2 * c)});
             s.Sets[3] = PatternSet(4, ranges, {4}, 1);
         },
         nullptr, "set 4 has 101 intervals; at most 100 are allowed"},
        {"interval ending below its first code", [](LangpackSpec& s) { s.Sets[1].Intervals[0].LastCode = 0x40F; },
         nullptr, "interval 1 of set 2 ends at code U+040F, below its first code U+0410"},
        {"1002 glyphs",
         [](LangpackSpec& s) {
             s.Sets[3] = PatternSet(2, {{0x100, 0x4E9}}, {4}, 1);
         },
         nullptr, "set 4 has more than 1001 glyphs"},
        // Every glyph may point at the same bytes: the rows they claim are counted before they are read.
        {"glyphs too tall to hold",
         [](LangpackSpec& s) {
             s.Sets[3] = PatternSet(2, {{0x100, 0x4E8}}, {4}, 1);
         },
         [](BuiltLangpack& b) { PatchWord(b, b.Sets[3].RecordOffset + 2, 0xFFFF); },
         "the 1001 glyphs of set 4, 65535 rows high, would take 65600535 bytes of memory; the glyphs of a "
         "langpack may take 16777216 bytes at most"},
        {"gap before the first glyph", [](LangpackSpec& s) { s.Sets[3].Interval0.FirstIndex = 1; }, nullptr,
         "glyphs 0 to 0 of set 4 belong to no interval"},
        {"gap between intervals", [](LangpackSpec& s) { s.Sets[1].Intervals[0].FirstIndex = 96; }, nullptr,
         "glyphs 95 to 95 of set 2 belong to no interval"},
        {"overlapping intervals", [](LangpackSpec& s) { s.Sets[1].Intervals[0].FirstIndex = 94; }, nullptr,
         "interval 1 of set 2 gives glyph 94 a second code"},
        {"interval table past the end", nullptr,
         [](BuiltLangpack& b) { PatchWord(b, b.Sets[1].RecordOffset + 6, 0xFFF0); },
         "the interval table of set 2 lies outside the file"},
        {"descriptor table past the end", nullptr,
         [](BuiltLangpack& b) { PatchWord(b, b.Sets[1].RecordOffset + 4, 0xFFF0); },
         "the descriptor table of set 2 lies outside the file"},
        {"glyph past the end", nullptr,
         [](BuiltLangpack& b) { PatchWord(b, b.Sets[1].DescriptorTableOffset + 2 * 12, 0xFFF8); },
         "glyph 12 of set 2 lies outside the file"},
        {"glyph data block past the end", nullptr,
         [](BuiltLangpack& b) { PatchWord(b, b.Sets[3].RecordOffset, 0xFFF0); },
         "glyph 0 of set 4 lies outside the file"},
        {"fonts area below the langpack's address", nullptr,
         [](BuiltLangpack& b) { PatchLong(b, 564, kDefaultLangpackAddress - 0x100); },
         "the descriptor table of set 1 lies outside the file"},
        {"glyph data block running past the end", nullptr,
         [](BuiltLangpack& b) {
             // Glyphs of set 4 are 10 bytes each: glyphs 0 and 1 still fit, glyph 2 does not.
             PatchWord(b, b.Sets[3].RecordOffset, static_cast<uint16_t>(b.Bytes.size() - b.FontsOffset - 25));
         },
         "glyph 2 of set 4 lies outside the file"},
    };
    for (const Damage& d : cases) {
        SCOPED_TRACE(d.name);
        LangpackSpec spec = TypicalLangpack();
        if (d.spec) d.spec(spec);
        BuiltLangpack built = BuildLangpack(spec);
        if (d.bytes) d.bytes(built);
        const ReadOutcome r = Outcome(ReadLangpack(built.Bytes));
        EXPECT_EQ(r.status, ReadStatus::Malformed);
        EXPECT_NE(r.message.find(d.message), std::string::npos) << r.message;
        EXPECT_EQ(r.langpack.SetCount(), 0) << "a refused file yields no model";
    }
}

// Every prefix of a valid file is read without leaving its bytes (the
// sanitizer build turns any stray access into a failure). A prefix that ends
// between records reads as a shorter table, which is how the table ends.
TEST(ReadLangpack, EveryTruncationIsRefusedOrReadSafely) {
    LangpackSpec spec = TypicalLangpack();
    spec.Sets.resize(3);
    const BuiltLangpack built = BuildLangpack(spec);
    const std::vector<uint8_t>& bytes = built.Bytes;
    for (std::size_t size = 0; size <= bytes.size(); ++size) {
        const ReadOutcome r = Outcome(ReadLangpack(std::span(bytes.data(), size)));
        if (size < 600) {
            EXPECT_EQ(r.status, ReadStatus::NotLangpack) << size;
        } else if (size < built.SetTableOffset + 2) {
            EXPECT_EQ(r.status, ReadStatus::Malformed) << size;
        } else if (r.status == ReadStatus::Ok) {
            EXPECT_LE(r.langpack.SetCount(), 3) << size;
        } else {
            EXPECT_FALSE(r.message.empty()) << size;
        }
    }
    EXPECT_EQ(Outcome(ReadLangpack(bytes)).status, ReadStatus::Ok);
}

}  // namespace
}  // namespace glyphora
