// The picture of a whole set: cells, grid, scale and the limits.
#include "BdfTestSupport.h"
#include "SetSheet.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using namespace fixtures;

// '+' grid, '#' ink, '.' paper.
std::string Show(const SheetImage& sheet) {
    std::string out;
    for (int y = 0; y < sheet.height; ++y) {
        for (int x = 0; x < sheet.width; ++x) {
            const uint8_t v = sheet.gray[static_cast<std::size_t>(y * sheet.width + x)];
            out += v == kSheetInk ? '#' : v == kSheetPaper ? '.' : v == kSheetGrid ? '+' : '?';
        }
        out += '\n';
    }
    return out;
}

TLangpack SmallSet(int glyphs) {
    LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    SetSpec set;
    set.Height = 2;
    set.Interval0 = {0x41, static_cast<uint16_t>(0x41 + glyphs - 1), 0, std::nullopt};
    const GlyphSpec shapes[] = {{1, {0x80, 0x00}}, {2, {0x80, 0x40}}, {0, {0x00, 0x00}}};
    for (int i = 0; i < glyphs; ++i) set.Glyphs.push_back(shapes[i % 3]);
    spec.Sets = {set};
    return bdftest::ReadBuilt(spec);
}

TEST(MakeSetSheet, DrawsCellsOfTheWidestGlyphInAGrid) {
    const TLangpack lp = SmallSet(3);
    Result<SheetImage> one = MakeSetSheet(lp, 0, 1);
    ASSERT_TRUE(one.has_value()) << one.error().message;
    EXPECT_EQ(Show(*one), bdftest::Picture({
                              "++++++++++",
                              "+#.+#.+..+",
                              "+..+.#+..+",
                              "++++++++++",
                          }));
    Result<SheetImage> two = MakeSetSheet(lp, 0, 2);
    ASSERT_TRUE(two.has_value()) << two.error().message;
    EXPECT_EQ(Show(*two), bdftest::Picture({
                              "++++++++++++++++",
                              "+##..+##..+....+",
                              "+##..+##..+....+",
                              "+....+..##+....+",
                              "+....+..##+....+",
                              "++++++++++++++++",
                          }));

    Result<SheetImage> rows = MakeSetSheet(SmallSet(17), 0);  // 16 cells, then a second row
    ASSERT_TRUE(rows.has_value()) << rows.error().message;
    EXPECT_EQ(rows->width, 16 * (2 * 4 + 1) + 1);
    EXPECT_EQ(rows->height, 2 * (2 * 4 + 1) + 1);
    EXPECT_EQ(rows->gray.size(), static_cast<std::size_t>(rows->width * rows->height));
}

TEST(MakeSetSheet, RefusesScalesAndSizesBeyondTheLimits) {
    TLangpack lp = SmallSet(3);
    TLangpack tall = lp;
    tall.FontSetTable[0].Height = 10000;
    TLangpack empty = lp;
    empty.SymbolTable[0].clear();
    const struct {
        const TLangpack* lp;
        int set;
        int scale;
        ErrorKind kind;
    } cases[] = {
        {&lp, 0, 0, ErrorKind::Usage},      {&lp, 0, kMaxSheetScale + 1, ErrorKind::Usage},
        {&lp, 1, 4, ErrorKind::Usage},      {&tall, 0, 4, ErrorKind::Refused},
        {&empty, 0, 4, ErrorKind::Refused},
    };
    for (const auto& c : cases) {
        Result<SheetImage> sheet = MakeSetSheet(*c.lp, c.set, c.scale);
        ASSERT_FALSE(sheet.has_value()) << "scale " << c.scale;
        EXPECT_EQ(sheet.error().kind, c.kind) << sheet.error().message;
        EXPECT_FALSE(sheet.error().message.empty());
    }
}

}  // namespace
}  // namespace glyphora
