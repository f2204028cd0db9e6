#include "CodeGroupNames.h"
#include "HexByte.h"
#include "SuperfileHeader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace glyphora::shx {
namespace {

TEST(CodeGroupNames, ShortAndTypeNames) {
    struct Case {
        int number;
        const char* shortName;
        const char* typeName;
    };
    const Case cases[] = {
        {-2, "RAMDLD", "RAM Downloader"},
        {-1, "BootLDR", "Boot Loader"},
        {0, "CG0", "Memory map"},
        {1, "CG1", "Flash code"},
        {2, "CG2", "Flex"},
        {3, "CG3", "DSP"},
        {4, "CG4", "LangPack"},
        {5, "CG5", "loader1"},
        {6, "CG6", "PDS (Safety zone)"},
        {7, "CG7", "SW Upgrader"},
        {8, "CG8", "CG8"},
        {12, "CG12", "CG12"},
        {15, "CG15", "DRM (graphics)"},
        {18, "CG18", "RSA signature"},
        {255, "CG255", "CG255"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeGroupShortName(c.number), c.shortName) << c.number;
        EXPECT_EQ(CodeGroupTypeName(c.number), c.typeName) << c.number;
    }
}

TEST(CodeGroupNames, OutputPathsStayBesideTheFlashFile) {
    struct Case {
        const char* flash;
        const char* base;
    };
    const Case cases[] = {
        {"/fw/phone.shx", "/fw/phone"},
        {"/fw/phone.v2.SHX", "/fw/phone.v2"},
        {"/fw.old/phone", "/fw.old/phone"},  // a dot in a folder name is no extension
        {"phone.shx", "phone"},
        {"phone", "phone"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractBasePath(c.flash), c.base) << c.flash;

    EXPECT_EQ(HeaderFilePath("/fw/phone"), "/fw/phone.hdr");
    EXPECT_EQ(CodeGroupFilePath("/fw/phone", 0x10000000, 4), "/fw/phone{@0x10000000}CG4.smg");
    EXPECT_EQ(CodeGroupFilePath("/fw/phone", 0x03FC0000, -2), "/fw/phone{@0x03FC0000}RAMDLD.smg");
    EXPECT_EQ(CodeGroupFilePath("/fw/phone", 0xABCDEF12, -1), "/fw/phone{@0xABCDEF12}BootLDR.smg");
}

TEST(CodeGroupNames, RowCells) {
    const auto langpack = CodeGroupRowCells({4, "/fw/p{@0x10000000}CG4.smg", "LangPack", 0x10000000, 0x20});
    EXPECT_EQ(langpack,
              (std::array<std::string, 6>{"4", "/fw/p{@0x10000000}CG4.smg", "LangPack", "10000000", "1000001F", "32"}));

    // The downloader and boot loader have no number in column 0.
    EXPECT_EQ(CodeGroupRowCells({-2, "x", "RAM Downloader", 0x03FC0000, 1})[0], "");
    EXPECT_EQ(CodeGroupRowCells({-1, "x", "Boot Loader", 0, 1})[0], "");
    EXPECT_EQ(CodeGroupRowCells({0, "x", "Memory map", 0, 1})[0], "0");

    // An empty group ends one below its start; the end is computed in 64 bits.
    EXPECT_EQ(CodeGroupRowCells({1, "x", "Flash code", 0x10000000, 0})[4], "0FFFFFFF");
    EXPECT_EQ(CodeGroupRowCells({1, "x", "Flash code", 0xFFFFFFF0, 0x20})[4], "10000000F");
    EXPECT_EQ(CodeGroupRowCells({1, "x", "Flash code", 0, 0})[4], "FFFFFFFFFFFFFFFF");
}

TEST(HexByte, DecodesDigitsAndEverythingElseByTheSameRule) {
    struct Case {
        const char* pair;
        uint8_t value;
    };
    const Case cases[] = {
        {"00", 0x00}, {"09", 0x09}, {"0A", 0x0A}, {"FF", 0xFF},
        {"7E", 0x7E}, {"A5", 0xA5}, {"0a", 0x2A},  // 'a' is worth 42: a lower-case digit decodes to a wrong byte
        {"a0", 0xA0},                              // ... except in front, where 42 * 16 keeps to 8 bits as 0xA0
        {"0@", 0x10},                              // '@' is worth 16 (not more than 16, so no 7 is taken off)
        {"0G", 0x10},                              // 'G' is worth 23 - 7
        {" 0", 0x00},                              // ' ' is worth -16
        {"0 ", 0xF0},
    };
    for (const auto& c : cases) EXPECT_EQ(HexByte(c.pair[0], c.pair[1]), c.value) << c.pair;
}

TEST(HexByte, BlockDecodingAgreesWithPairDecodingForEveryPair) {
    // Every pair of byte values once, decoded in runs of every length up to 40
    // pairs, so both the sixteen-pair steps and the tails are covered.
    std::string text;
    for (unsigned first = 0; first < 256; ++first)
        for (unsigned second = 0; second < 256; ++second) {
            text += static_cast<char>(first);
            text += static_cast<char>(second);
        }
    std::vector<uint8_t> out(text.size() / 2);
    std::size_t pair = 0;
    for (std::size_t run = 0; pair < out.size(); run = (run + 1) % 41) {
        const std::size_t count = std::min(run, out.size() - pair);
        unsigned expectedSum = 0;
        for (std::size_t k = 0; k < count; ++k) expectedSum += HexByte(text[2 * (pair + k)], text[2 * (pair + k) + 1]);
        ASSERT_EQ(DecodeHexPairs(text.data() + 2 * pair, count, out.data() + pair), expectedSum) << pair;
        pair += count;
    }
    for (std::size_t k = 0; k < out.size(); ++k) ASSERT_EQ(out[k], HexByte(text[2 * k], text[2 * k + 1])) << k;
    for (std::size_t k = 0; k + 4 <= out.size(); ++k)
        ASSERT_EQ(SumOfFourHexPairs(text.data() + 2 * k), 0u + out[k] + out[k + 1] + out[k + 2] + out[k + 3]) << k;
}

TEST(SuperfileHeader, SignatureMustBeExactAndZeroEnded) {
    struct Case {
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {"P2K Superfile", true},
        {"P2K superfile", false},
        {"P2K Superfiles", false},
        {"P2K Superfil", false},
        {"", false},
    };
    for (const auto& c : cases) {
        std::array<uint8_t, kSuperfileHeaderSize> block{};
        std::memcpy(block.data(), c.text, std::strlen(c.text));
        EXPECT_EQ(HasSuperfileSignature(block), c.accepted) << c.text;
    }
}

}  // namespace
}  // namespace glyphora::shx
