// The glyph text of the clipboard: what is written reads back, and any other
// text is refused with the line and what is wrong in it.
#include <GlyphClip.h>

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(GlyphClip, WrittenGlyphsReadBack) {
    const GlyphClip clip{2,
                         {{0x0410, 5, {0x07, 0xFF}}, {0x0416, 12, {0x00, 0x0F, 0xFF, 0xFF}}, {0x20, 0, {0xFF, 0xFF}}}};
    const std::string text = WriteGlyphClip(clip);
    EXPECT_EQ(text, "glyphora-glyphs 1\nheight 2\nglyph 0410 5 07FF\nglyph 0416 12 000FFFFF\nglyph 0020 0 FFFF\nend\n");
    const Result<GlyphClip> read = ReadGlyphClip(text);
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(*read, clip);
}

TEST(GlyphClip, MalformedTextIsRefusedNamingTheFault) {
    const std::string head = "glyphora-glyphs 1\nheight 2\n";
    std::string many = head;
    for (int i = 0; i < 1002; ++i) many += "glyph 0041 1 FFFF\n";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "no glyphs of this editor"},
        {"\x89PNG\r\n", "no glyphs of this editor"},
        {"glyphora-glyphs 1\nheight 0\nend\n", "line 2 of the glyphs has no height"},
        {"glyphora-glyphs 1\nheight 256\nend\n", "line 2 of the glyphs has no height"},
        {head + "end\n", "line 3 of the glyphs ends before any glyph"},
        {head + "glyph 041 5 07FF\nend\n", "line 3 of the glyphs has no code"},
        {head + "glyph 0410 16 07FF\nend\n", "line 3 of the glyphs has no width of 0 to 15"},
        {head + "glyph 0410 -1 07FF\nend\n", "no width"},
        {head + "glyph 0410 5 07\nend\n", "does not hold 2 rows"},
        {head + "glyph 0410 9 07FF\nend\n", "does not hold 2 rows"},
        {head + "glyph 0410 5 07FG\nend\n", "does not hold 2 rows"},
        {head + "pixel 0410 5 07FF\nend\n", "line 3 of the glyphs is no glyph"},
        {head + "glyph 0410 5 07FF\n", "end before their last line"},
        {many, "line 1004 of the glyphs is more than 1001 glyphs"},
        {head + std::string(kMaxGlyphClipSize, 'x'), "too large"},
    };
    for (const auto& c : cases) {
        const Result<GlyphClip> read = ReadGlyphClip(c.text);
        ASSERT_FALSE(read) << c.message;
        EXPECT_EQ(read.error().kind, ErrorKind::Malformed);
        EXPECT_NE(read.error().message.find(c.message), std::string::npos) << read.error().message;
    }
}

}  // namespace
}  // namespace glyphora
