// "Go to character": the typed forms of a character, and the flow that
// selects its glyph or says which sets have it.
#include "SessionFixture.h"

#include <CharacterCode.h>
#include <CharacterSearch.h>

namespace glyphora::testing {
namespace {

TEST(ParseCharacterCode, TakesACharacterOrItsCode) {
    struct Case {
        const char* typed;
        int code;  // -1: refused
    } cases[] = {
        {"Ж", 0x416},       {"U+0416", 0x416}, {"u+416", 0x416}, {"0x416", 0x416}, {"0X416", 0x416},
        {"1046", 1046},     {" 1046\t", 1046}, {"5", 0x35},      {" ", 0x20},      {"  Ж ", 0x416},
        {"U+FFFF", 0xFFFF}, {"", -1},          {"   ", -1},      {"U+", -1},       {"0x", -1},
        {"12a", -1},        {"abc", -1},       {"U+10000", -1},  {"😀", -1},        {"99999999999999999999", -1},
        {"\xFF", -1},
    };
    // A number too large is named as typed, never as the number it would be cut to.
    const std::pair<const char*, const char*> tooLarge[] = {
        {"U+FFFFFFFF", "The number \"U+FFFFFFFF\" is too large: the font sets hold 16-bit character codes only"},
        {"99999999999999999999", "The number \"99999999999999999999\" is too large"},
        {"U+10000", "The number \"U+10000\" is too large"},
        {"😀", "U+1F600 lies beyond U+FFFF"},
    };
    for (const auto& [typed, said] : tooLarge) {
        const Result<uint16_t> code = ParseCharacterCode(typed);
        ASSERT_FALSE(code) << typed;
        EXPECT_NE(code.error().message.find(said), std::string::npos) << code.error().message;
    }
    for (const Case& c : cases) {
        const Result<uint16_t> code = ParseCharacterCode(c.typed);
        if (c.code < 0) {
            EXPECT_FALSE(code) << '"' << c.typed << '"';
            if (!code) {
                EXPECT_FALSE(code.error().message.empty());
            }
        } else {
            ASSERT_TRUE(code) << '"' << c.typed << "\": " << code.error().message;
            EXPECT_EQ(*code, c.code) << '"' << c.typed << '"';
        }
    }
}

class GoToFlowTest : public SessionTest {
protected:
    void SetUp() override { open(writeLangpack("lang.smg", fixtures::TypicalLangpack())); }
};

TEST_F(GoToFlowTest, SelectsTheGlyphOrNamesTheSetsThatHaveIt) {
    Session& s = session();
    // Set 1 holds 0x20..0x7E: 'A' is its glyph 33.
    EXPECT_TRUE(CharacterSearch(s).GoTo("A"));
    EXPECT_EQ(s.CurrentSymbol(), 0x41 - 0x20);

    EXPECT_FALSE(CharacterSearch(s).GoTo("U+0416"));
    EXPECT_EQ(s.CurrentSymbol(), 0x41 - 0x20);
    s.ChooseSet(3);  // clock digits
    EXPECT_FALSE(CharacterSearch(s).GoTo("x"));
    EXPECT_FALSE(CharacterSearch(s).GoTo("0x2603"));
    EXPECT_FALSE(CharacterSearch(s).GoTo("U+"));
    const std::vector<std::string> told = prompts.texts();
    ASSERT_EQ(told.size(), 4u);
    EXPECT_EQ(told[0], "The set 1 has no character U+0416 (Ж).\nIt is in the sets 2 and 3.");
    EXPECT_EQ(told[1], "The set 4 has no character U+0078 (x).\nIt is in the sets 1, 2 and 3.");
    EXPECT_EQ(told[2], "The set 4 has no character U+2603 (☃).\nNo other set of this langpack has it either.");
    EXPECT_EQ(prompts.shown[3].icon, Icon::Warning);

    // A changed glyph is asked about first; Cancel keeps it.
    drawPixel();
    prompts.clear();
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(CharacterSearch(s).GoTo("7"));
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"Save the current symbol?"});
    EXPECT_EQ(s.CurrentSymbol(), 0);
    prompts.answers = {Answer::No};
    EXPECT_TRUE(CharacterSearch(s).GoTo("7"));
    EXPECT_EQ(s.CurrentSymbol(), 7);
}

}  // namespace
}  // namespace glyphora::testing
