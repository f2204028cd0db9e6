#include <ReadOutcome.h>
#include "ByteOrder.h"
#include "LangpackBuilder.h"
#include "LangpackReader.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using namespace fixtures;

// A bare header: signature, no languages, the rest zero.
std::vector<uint8_t> BareHeader(std::size_t size) {
    std::vector<uint8_t> bytes(size, 0);
    if (size >= 8) bytes[7] = 0xB1;
    return bytes;
}

TEST(ReadHeadLang, RefusesWhatIsNotALangpack) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        ReadStatus status;
    };
    std::vector<uint8_t> b2 = BareHeader(600);
    b2[7] = 0xB2;
    std::vector<uint8_t> shifted = BareHeader(600);
    shifted[4] = 0xB1;
    shifted[7] = 0x00;
    const Case cases[] = {
        {"599 bytes with the signature", BareHeader(599), ReadStatus::NotLangpack},
        {"600 bytes with the signature", BareHeader(600), ReadStatus::Ok},
        {"empty file", {}, ReadStatus::NotLangpack},
        {"signature 00 00 00 B2", b2, ReadStatus::NotLangpack},
        {"signature bytes in the wrong order", shifted, ReadStatus::NotLangpack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HeadOutcome r = Outcome(ReadHeadLang(c.bytes));
        EXPECT_EQ(r.status, c.status);
        if (c.status == ReadStatus::Ok) {
            EXPECT_EQ(r.Header.LanguageCount, 0);
        }
    }
}

TEST(ReadHeadLang, ReadsTheHeaderFields) {
    LangpackSpec spec = TypicalLangpack();
    spec.LangpackAddress = 0x10000000;
    spec.FlashGeneration[0] = 0x04;
    spec.FlashGeneration[1] = 0x06;
    spec.LangpackVersion = 0x0B;
    const BuiltLangpack built = BuildLangpack(spec);
    EXPECT_EQ(built.Bytes[3], 0x10);  // the first word is the address of offset 16: 0x10000010

    const HeadOutcome r = Outcome(ReadHeadLang(built.Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(r.Header.LangpackAddress, 0x10000000);
    EXPECT_EQ(r.Header.FlashGeneration[0], 0x04);
    EXPECT_EQ(r.Header.FlashGeneration[1], 0x06);
    EXPECT_EQ(r.Header.LangpackVersion, 0x0B);
    EXPECT_EQ(r.Header.LanguageCount, 2);
    EXPECT_EQ(r.Header.FontsAddress, 0x10000000 + static_cast<int32_t>(built.FontsOffset));
    EXPECT_EQ(r.Header.SetTableAddress, 0x10000000 + static_cast<int32_t>(built.SetTableOffset));
    EXPECT_EQ(r.Header.FontAreaSize, static_cast<int32_t>(built.SetTableOffset - built.FontsOffset));
    EXPECT_FALSE(r.Header.FontInMiddle);
    ASSERT_EQ(r.LanguageTable.size(), 2u);
    EXPECT_EQ(r.LanguageTable[1].ID, 0x23u);
    EXPECT_EQ(r.LanguageTable[1].PackedStringsAddress, 0x10280000);
}

TEST(ReadHeadLang, LanguageIdIsLittleEndian) {
    std::vector<uint8_t> bytes = BareHeader(600);
    bytes[20] = 2;
    bytes[24] = 0x23;           // 23 00 00 00
    bytes[24 + 48 + 3] = 0x23;  // 00 00 00 23
    const HeadOutcome r = Outcome(ReadHeadLang(bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(r.LanguageTable[0].ID, 0x23u);
    EXPECT_EQ(r.LanguageTable[1].ID, 0x23000000u);
    EXPECT_EQ(LanguageNameById("23"), "Russian");
    EXPECT_EQ(LanguageNameById("23000000"), "Unknown");
}

TEST(ReadHeadLang, FirstNonZeroITapAddressDecidesFontInMiddle) {
    struct Case {
        std::vector<int32_t> iTap;
        bool inMiddle;
    };
    const Case cases[] = {
        {{0, 0x10080000, 0x10040000}, true},  // 0x10080000 decides, not the smaller 0x10040000
        {{0, 0x10040000, 0x10080000}, false},
        {{0, 0, 0}, false},
        {{}, false},
        {{0x10060000}, false},  // equal is not "in the middle"
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = BareHeader(600);
        bytes[20] = static_cast<uint8_t>(c.iTap.size());
        for (std::size_t i = 0; i < c.iTap.size(); ++i)
            StoreBE32(bytes.data() + 24 + 48 * i + 16, static_cast<uint32_t>(c.iTap[i]));
        StoreBE32(bytes.data() + 568, 0x10060000);
        const HeadOutcome r = Outcome(ReadHeadLang(bytes));
        ASSERT_EQ(r.status, ReadStatus::Ok);
        EXPECT_EQ(r.Header.FontInMiddle, c.inMiddle) << "first iTAP " << (c.iTap.empty() ? 0 : c.iTap[0]);
    }
}

TEST(ReadHeadLang, LanguageRecordsPastTheEndAreMalformed) {
    std::vector<uint8_t> bytes = BareHeader(600);
    bytes[20] = 13;  // 24 + 13 * 48 = 648 bytes
    const HeadOutcome r = Outcome(ReadHeadLang(bytes));
    EXPECT_EQ(r.status, ReadStatus::Malformed);
    EXPECT_NE(r.message.find("13 languages need 648 bytes"), std::string::npos) << r.message;

    bytes.resize(648);
    EXPECT_EQ(Outcome(ReadHeadLang(bytes)).status, ReadStatus::Ok);
}

// With 12 or more languages the records run over offsets 564 to 571; the two
// addresses are still read there.
TEST(ReadHeadLang, AddressesAreReadAtFixedOffsetsEvenInsideLanguageRecords) {
    LangpackSpec spec = TypicalLangpack();
    spec.Languages.assign(14, LanguageSpec{0x01, 0, 0});
    const BuiltLangpack built = BuildLangpack(spec);
    ASSERT_GE(built.FontsOffset, 24u + 48u * 14u);
    const ReadOutcome r = Outcome(ReadLangpack(built.Bytes));
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message;
    EXPECT_EQ(r.langpack.SetCount(), 4);
}

TEST(LanguageNameById, KnowsTheTableAndNothingElse) {
    EXPECT_EQ(LanguageNameById("01"), "US English");
    EXPECT_EQ(LanguageNameById("0A"), "Spanish");
    EXPECT_EQ(LanguageNameById("2A"), "Brazilian Portuguese");
    EXPECT_EQ(LanguageNameById("2B"), "Swedish");
    EXPECT_EQ(LanguageNameById("0a"), "Unknown");  // the IDs are upper-case text
    EXPECT_EQ(LanguageNameById("02"), "Unknown");
    EXPECT_EQ(LanguageNameById("001"), "Unknown");
}

TEST(SetDescription, FixedTextsAndNothingAbove16) {
    EXPECT_EQ(SetDescription(1, false), "Font NetMonitor");
    EXPECT_EQ(SetDescription(2, false), "General font");
    EXPECT_EQ(SetDescription(7, false),
              "Font a software of keys, the external screen, messages of phone and the counter of symbols in SMS");
    EXPECT_EQ(SetDescription(7, true), "Not the correct reference to a body font (remained from old models)");
    EXPECT_EQ(SetDescription(16, false), "Very big letters A M P for screensaver-clock");
    EXPECT_EQ(SetDescription(17, false), "");
    EXPECT_EQ(SetDescription(0, false), "");
}

}  // namespace
}  // namespace glyphora
