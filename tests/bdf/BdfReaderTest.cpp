// What the reader takes from the tools that write BDF, and what it refuses
// and where.
#include "BdfReader.h"
#include "BdfWriter.h"

#include <gtest/gtest.h>

#include <functional>

namespace glyphora {
namespace {

// Line numbers of the refusals below count in this text.
const std::string kGood =
    "STARTFONT 2.1\n"                  // 1
    "FONT test\n"                      // 2
    "SIZE 8 72 72\n"                   // 3
    "FONTBOUNDINGBOX 8 8 0 -2\n"       // 4
    "STARTPROPERTIES 3\n"              // 5
    "FONT_ASCENT 6\n"                  // 6
    "FONT_DESCENT 2\n"                 // 7
    "CHARSET_REGISTRY \"ISO10646\"\n"  // 8
    "ENDPROPERTIES\n"                  // 9
    "CHARS 1\n"                        // 10
    "STARTCHAR A\n"                    // 11
    "ENCODING 65\n"                    // 12
    "SWIDTH 500 0\n"                   // 13
    "DWIDTH 4 0\n"                     // 14
    "BBX 4 3 0 0\n"                    // 15
    "BITMAP\n"                         // 16
    "60\n"                             // 17
    "90\n"                             // 18
    "F0\n"                             // 19
    "ENDCHAR\n"                        // 20
    "ENDFONT\n";                       // 21

std::string Edit(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

BdfFont Read(const std::string& text) {
    Result<BdfFont> font = ReadBdf(text);
    EXPECT_TRUE(font.has_value()) << font.error().message;
    return font ? *font : BdfFont{};
}

struct AcceptCase {
    const char* name;
    std::string text;
    std::function<void(const BdfFont&)> check;
};

TEST(ReadBdf, TakesWhatTheToolsWrite) {
    const BdfFont good = Read(kGood);
    ASSERT_EQ(good.Glyphs.size(), 1u);
    EXPECT_EQ(good.Glyphs[0].Bitmap, (std::vector<uint8_t>{0x60, 0x90, 0xF0}));
    EXPECT_EQ(BdfAscent(good), 6);
    EXPECT_EQ(BdfDescent(good), 2);

    const AcceptCase cases[] = {
        {"CR LF line ends", ReplaceAll(kGood, "\n", "\r\n"), [&](const BdfFont& f) { EXPECT_EQ(f, good); }},
        {"blank lines, comments anywhere, properties in another order, stale counts",
         ReplaceAll(ReplaceAll(Edit(Edit(kGood, "FONT_ASCENT 6\nFONT_DESCENT 2\n",
                                         "FONT_DESCENT 2\nCOMMENT x\nFONT_ASCENT 6\n"),
                                    "CHARS 1", "CHARS 7"),
                               "STARTPROPERTIES 3", "STARTPROPERTIES 9"),
                    "\nSTARTCHAR", "\n\nCOMMENT glyph\nSTARTCHAR"),
         [&](const BdfFont& f) {
             EXPECT_EQ(f.Glyphs, good.Glyphs);
             EXPECT_EQ(BdfAscent(f), 6);
             EXPECT_EQ(f.Comments, (std::vector<std::string>{"x", "glyph"}));
         }},
        {"a quoted value with a doubled quote",
         Edit(kGood, "ENDPROPERTIES", "COPYRIGHT \"say \"\"hi\"\" \"\nENDPROPERTIES"),
         [](const BdfFont& f) {
             ASSERT_NE(f.FindProperty("COPYRIGHT"), nullptr);
             EXPECT_EQ(f.FindProperty("COPYRIGHT")->Value, "say \"hi\" ");
         }},
        {"ENCODING -1 with a code of another encoding", Edit(kGood, "ENCODING 65", "ENCODING -1 123"),
         [](const BdfFont& f) {
             EXPECT_EQ(f.Glyphs[0].Encoding, -1);
             EXPECT_EQ(f.Glyphs[0].NonStandardEncoding, 123);
         }},
        {"no SWIDTH or DWIDTH: the font's DWIDTH",
         Edit(Edit(kGood, "SWIDTH 500 0\nDWIDTH 4 0\n", ""), "STARTPROPERTIES", "DWIDTH 6 0\nSTARTPROPERTIES"),
         [](const BdfFont& f) { EXPECT_EQ(BdfAdvance(f, f.Glyphs[0]), 6); }},
        {"no DWIDTH anywhere: the bitmap's right edge",
         Edit(Edit(kGood, "DWIDTH 4 0\n", ""), "BBX 4 3 0 0", "BBX 4 3 -1 0"),
         [](const BdfFont& f) { EXPECT_EQ(BdfAdvance(f, f.Glyphs[0]), 3); }},
        {"a glyph 20 wide with negative offsets; bits right of it dropped",
         Edit(kGood, "BBX 4 3 0 0\nBITMAP\n60\n90\nF0\n", "BBX 20 2 -3 -1\nBITMAP\nFFFFFF\n80001F\n"),
         [](const BdfFont& f) {
             EXPECT_EQ(f.Glyphs[0].Box, (BdfBox{20, 2, -3, -1}));
             EXPECT_EQ(f.Glyphs[0].Bitmap, (std::vector<uint8_t>{0xFF, 0xFF, 0xF0, 0x80, 0x00, 0x10}));
         }},
        {"padded rows and lower-case digits", Edit(kGood, "60\n90\nF0\n", "6000\n90ab\nf0\n"),
         [&](const BdfFont& f) { EXPECT_EQ(f.Glyphs, good.Glyphs); }},
        {"no registry property, Unicode in the XLFD name",
         Edit(Edit(kGood, "CHARSET_REGISTRY \"ISO10646\"\n", ""), "FONT test",
              "FONT -misc-fixed-medium-r-normal--13-120-75-75-c-70-iso10646-1"),
         [](const BdfFont& f) { EXPECT_EQ(f.Glyphs.size(), 1u); }},
        {"BDF 2.2 with its vertical metrics", Edit(Edit(kGood, "2.1", "2.2"), "BBX", "VVECTOR 4 6\nBBX"),
         [&](const BdfFont& f) { EXPECT_EQ(f.Glyphs, good.Glyphs); }},
    };
    for (const AcceptCase& c : cases) {
        SCOPED_TRACE(c.name);
        Result<BdfFont> font = ReadBdf(c.text);
        ASSERT_TRUE(font.has_value()) << font.error().message;
        c.check(*font);
    }
}

struct RefuseCase {
    const char* name;
    std::string text;
    ErrorKind kind;
    int line;
    const char* says;
};

TEST(ReadBdf, RefusesDamageNamingTheLine) {
    const RefuseCase cases[] = {
        {"a BITMAP shorter than its BBX", Edit(kGood, "F0\n", ""), ErrorKind::Malformed, 19,
         "the BITMAP of glyph 'A' (STARTCHAR at line 11) has 2 rows, its BBX (line 15) says 3"},
        {"a row that is not hex", Edit(kGood, "90\n", "9G\n"), ErrorKind::Malformed, 18, "not hexadecimal"},
        {"a row with too few digits", Edit(kGood, "BBX 4 3", "BBX 12 3"), ErrorKind::Malformed, 17,
         "has 2 hex digits; its BBX width 12 needs 4"},
        {"more rows than the BBX", Edit(kGood, "F0\n", "F0\n00\n"), ErrorKind::Malformed, 20,
         "more BITMAP rows than the 3"},
        {"a missing ENDCHAR", Edit(kGood, "ENDCHAR\n", ""), ErrorKind::Malformed, 20,
         "ENDFONT where the ENDCHAR of glyph 'A'"},
        {"a missing ENDCHAR in the rows", Edit(kGood, "F0\nENDCHAR\n", ""), ErrorKind::Malformed, 19,
         "ENDFONT inside the BITMAP of glyph 'A' (STARTCHAR at line 11), after 2 of its 3 rows"},
        {"a missing ENDFONT", Edit(kGood, "ENDFONT\n", ""), ErrorKind::Malformed, 20, "without ENDFONT"},
        {"a BBX of absurd size", Edit(kGood, "BBX 4 3", "BBX 5000 3"), ErrorKind::Malformed, 15, "not a sane size"},
        {"a code past 64 bits", Edit(kGood, "ENCODING 65", "ENCODING 99999999999999999999"), ErrorKind::Malformed, 12,
         "out of range"},
        {"an unknown keyword", Edit(kGood, "SWIDTH", "SWIDHT"), ErrorKind::Malformed, 13, "unknown keyword 'SWIDHT'"},
        {"no CHARS line", Edit(kGood, "CHARS 1\n", ""), ErrorKind::Malformed, 10, "STARTCHAR before the CHARS line"},
        {"no ENDPROPERTIES", Edit(kGood, "ENDPROPERTIES\n", ""), ErrorKind::Malformed, 9, "ENDPROPERTIES is missing"},
        {"an open quote", Edit(kGood, "\"ISO10646\"", "\"ISO10646"), ErrorKind::Malformed, 8, "does not close"},
        {"an ascent that is not a number", Edit(kGood, "FONT_ASCENT 6", "FONT_ASCENT \"six\""), ErrorKind::Malformed, 6,
         "FONT_ASCENT must be a whole number"},
        {"a control character", Edit(kGood, "FONT test", "FONT te\x01st"), ErrorKind::Malformed, 2,
         "control character (0x01)"},
        {"text after ENDFONT", kGood + "junk\n", ErrorKind::Malformed, 22, "after ENDFONT"},
        {"not BDF at all", "\x89PNG\r\n\x1a\n", ErrorKind::Malformed, 1, "starts with STARTFONT"},
        {"a Latin-1 font", Edit(kGood, "\"ISO10646\"", "\"ISO8859\"\nCHARSET_ENCODING \"1\""), ErrorKind::Unsupported,
         8, "the font's registry is ISO8859-1, not ISO10646 (Unicode); convert it first"},
        {"a Latin-1 XLFD name",
         Edit(Edit(kGood, "CHARSET_REGISTRY \"ISO10646\"\n", ""), "FONT test",
              "FONT -misc-fixed-medium-r-normal--13-120-75-75-c-70-iso8859-1"),
         ErrorKind::Unsupported, 2, "registry is iso8859-1"},
        {"a grey font", Edit(kGood, "SIZE 8 72 72", "SIZE 8 72 72 4"), ErrorKind::Unsupported, 3, "4 bits per pixel"},
    };
    for (const RefuseCase& c : cases) {
        SCOPED_TRACE(c.name);
        Result<BdfFont> font = ReadBdf(c.text);
        ASSERT_FALSE(font.has_value());
        EXPECT_EQ(font.error().kind, c.kind);
        EXPECT_TRUE(font.error().message.starts_with("line " + std::to_string(c.line) + ": ")) << font.error().message;
        EXPECT_NE(font.error().message.find(c.says), std::string::npos) << font.error().message;
    }
}

TEST(ReadBdf, RefusesTheFileCutAtAnyByte) {
    for (const std::string& text : {kGood, ReplaceAll(kGood, "\n", "\r\n")}) {
        for (std::size_t size = 0; size < text.size(); ++size) {
            const std::string cut = text.substr(0, size);
            std::string_view rest = cut;
            while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r')) rest.remove_suffix(1);
            if (rest.ends_with("ENDFONT")) continue;  // only the line end was cut
            Result<BdfFont> font = ReadBdf(cut);
            ASSERT_FALSE(font.has_value()) << "cut after " << size << " bytes";
            EXPECT_TRUE(font.error().message.starts_with("line ")) << font.error().message;
        }
    }
}

TEST(ReadBdf, RefusesMoreGlyphsThanItTakes) {
    std::string text = Edit(
        kGood, "STARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 4 0\nBBX 4 3 0 0\nBITMAP\n60\n90\nF0\nENDCHAR\n", "");
    std::string glyphs;
    for (int i = 0; i <= kMaxBdfGlyphs; ++i) glyphs += "STARTCHAR g\nENCODING 1\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n";
    text = Edit(text, "ENDFONT", glyphs + "ENDFONT");
    Result<BdfFont> font = ReadBdf(text);
    ASSERT_FALSE(font.has_value());
    EXPECT_TRUE(
        font.error().message.starts_with("line " + std::to_string(11 + 5 * kMaxBdfGlyphs) + ": more than 65536 glyphs"))
        << font.error().message;
}

TEST(WriteBdf, WritesWhatReadsBackTheSame) {
    const std::string rich =
        Edit(Edit(Edit(kGood, "ENDPROPERTIES", "COPYRIGHT \"a \"\"b\"\"\"\nWEIGHT_NAME Bold face\nENDPROPERTIES"),
                  "CHARS 1", "DWIDTH 5 0\nCOMMENT late\nCHARS 1"),
             "ENDFONT",
             "STARTCHAR wide one\nENCODING -1 7\nBBX 20 1 -2 -3\nBITMAP\nF0000F\nENDCHAR\n"
             "STARTCHAR nothing\nENCODING 32\nDWIDTH 0 0\nBBX 0 0 0 0\nBITMAP\nENDCHAR\nENDFONT");
    const BdfFont first = Read(rich);
    ASSERT_EQ(first.Glyphs.size(), 3u);
    const std::string written = WriteBdf(first);
    EXPECT_EQ(Read(written), first) << written;
    EXPECT_EQ(WriteBdf(Read(written)), written);
}

}  // namespace
}  // namespace glyphora
