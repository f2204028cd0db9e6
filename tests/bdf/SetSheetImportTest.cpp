// A set's PNG sheet read back: through the PNG files, edited, with its grid
// painted over, and refused when it is not the set's.
#include "BdfTestSupport.h"
#include "ColorReduce.h"
#include "PngReader.h"
#include "PngWriter.h"
#include "SetSheetImport.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

using namespace fixtures;

// Set 2 of the typical langpack: 159 glyphs 4 to 10 wide, 12 high, so 16 x 10 cells.
constexpr int kSet = 1;

SheetImage ThroughPng(const SheetImage& sheet) {
    Result<RgbaImage> png = ReadPng(WriteGrayPng(sheet.width, sheet.height, sheet.gray));
    EXPECT_TRUE(png.has_value()) << png.error().message;
    return {png->width, png->height, GreyOverWhite(*png)};
}

// Glyph pixel (x, y) of cell `glyph` painted in `grey` at scale 4.
void Paint(SheetImage& sheet, const SheetLayout& l, int glyph, int x, int y, uint8_t grey) {
    for (int64_t dy = 0; dy < l.scale; ++dy)
        for (int64_t dx = 0; dx < l.scale; ++dx)
            sheet.gray[static_cast<std::size_t>((l.cellTop(glyph) + y * l.scale + dy) * sheet.width +
                                                l.cellLeft(glyph) + x * l.scale + dx)] = grey;
}

TEST(ReadSetSheet, GivesBackTheRowsOfAnUnchangedOrEditedSheet) {
    TLangpack lp = bdftest::ReadBuilt(TypicalLangpack());
    lp.glyphs(kSet)[0].Data[0] &= 0xF7;  // an inked bit beyond glyph 0's width of 4 stays as it is
    const Symbols& glyph0 = lp.glyphs(kSet)[0];
    const SheetLayout layout = SetSheetLayout(lp, kSet, 4);
    const SheetImage exported = *MakeSetSheet(lp, kSet, 4);

    SheetImage edited = exported;
    const bool wasInk = bdftest::IsInk(glyph0.Data, glyph0.Width, 1, 2);
    Paint(edited, layout, 0, 1, 2, wasInk ? kSheetPaper : kSheetInk);
    Paint(edited, layout, 0, 8, 0, kSheetInk);  // beyond the width: left out, and said
    SheetImage unframed = exported;             // the outer frame and the first line painted white
    for (int x = 0; x < unframed.width; ++x) unframed.gray[static_cast<std::size_t>(x)] = kSheetPaper;
    for (int y = 0; y < unframed.height; ++y) unframed.gray[static_cast<std::size_t>(y) * unframed.width] = kSheetPaper;

    const struct {
        const char* name;
        SheetImage sheet;
        std::optional<int> scale;
        std::vector<int> changed;
        std::vector<uint16_t> beyond;
    } cases[] = {
        {"unchanged, through the PNG files", ThroughPng(exported), {}, {}, {}},
        {"unchanged, the scale given", exported, 4, {}, {}},
        {"the grid painted over: the layout's size", unframed, {}, {}, {}},
        {"one pixel turned, ink beyond a width", ThroughPng(edited), {}, {0}, {0x20}},
    };
    for (const auto& c : cases) {
        Result<SheetImport> in = ReadSetSheet(lp, kSet, c.sheet, c.scale);
        ASSERT_TRUE(in.has_value()) << c.name << ": " << in.error().message;
        EXPECT_EQ(in->scale, 4) << c.name;
        EXPECT_EQ(in->changed, c.changed) << c.name;
        EXPECT_EQ(in->inkBeyondWidth, c.beyond) << c.name;
        ASSERT_EQ(in->rows.size(), lp.glyphs(kSet).size()) << c.name;
        for (std::size_t i = 1; i < in->rows.size(); ++i)
            ASSERT_EQ(in->rows[i], lp.glyphs(kSet)[i].Data) << c.name << i;
        if (c.changed.empty()) {
            EXPECT_EQ(in->rows[0], glyph0.Data) << c.name;
        }
    }
    Result<SheetImport> in = ReadSetSheet(lp, kSet, edited);
    ASSERT_TRUE(in.has_value());
    EXPECT_EQ(bdftest::IsInk(in->rows[0], glyph0.Width, 1, 2), !wasInk);
    std::vector<uint8_t> others = in->rows[0];
    others[2] = glyph0.Data[2];
    EXPECT_EQ(others, glyph0.Data) << "only row 2 changes, its spare bits kept";
}

TEST(ReadSetSheet, RefusesAPictureThatIsNotTheSetsSheetSayingWhatEachHas) {
    const TLangpack lp = bdftest::ReadBuilt(TypicalLangpack());
    const SheetImage sheet = *MakeSetSheet(lp, kSet, 4);
    const SheetImage otherSet = *MakeSetSheet(lp, 0, 4);
    SheetImage cropped{100, 50, std::vector<uint8_t>(5000, kSheetPaper)};
    const struct {
        const char* name;
        SheetImage sheet;
        std::optional<int> scale;
        ErrorKind kind;
        std::string says;
    } cases[] = {
        {"another set's sheet",
         otherSet,
         {},
         ErrorKind::Refused,
         "that set has 16 x 10 cells of 10 x 12 glyph pixels (at scale 3: cells of 30 x 36 pixels, 497 x 371 in all); "
         "the picture is 401 x 199 pixels and holds 16 x 6 cells of 24 x 32 pixels"},
        {"another scale", sheet, 3, ErrorKind::Refused, "at scale 3"},
        {"no grid, no layout's size", cropped, {}, ErrorKind::Refused, "100 x 50 pixels and has no grid"},
        {"a scale out of range", sheet, 0, ErrorKind::Usage, "scale"},
        {"grey short of its pixels", SheetImage{3, 3, {0}}, {}, ErrorKind::Malformed, "3 x 3"},
    };
    for (const auto& c : cases) {
        Result<SheetImport> in = ReadSetSheet(lp, kSet, c.sheet, c.scale);
        ASSERT_FALSE(in.has_value()) << c.name;
        EXPECT_EQ(in.error().kind, c.kind) << c.name;
        EXPECT_NE(in.error().message.find(c.says), std::string::npos) << c.name << ": " << in.error().message;
    }
}

}  // namespace
}  // namespace glyphora
