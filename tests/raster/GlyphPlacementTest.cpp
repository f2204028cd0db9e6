// A drawn picture placed into a set's rows, by pictures.
#include "GlyphPlacement.h"
#include "Picture.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace glyphora::test {
namespace {

TEST(GlyphPlacement, ShiftsSqueezesCutsAndTrimsAsAsked) {
    const std::string wide17 = std::string(16, '.') + "#";
    const std::string wide30(30, '#');
    struct Case {
        const char* name;
        std::initializer_list<std::string_view> drawn;
        std::optional<int> ascent;
        GlyphPlacement placement;
        const char* glyph;  // within its width
        bool cut;
    } cases[] = {
        {"fits: paper below",
         {"#.#", ".#."},
         std::nullopt,
         {3, std::nullopt, WideGlyphs::Cut, false},
         "#.#\n.#.\n...\n",
         false},
        {"baseline row 2, ascent 1: one row down",
         {"##", "#."},
         1,
         {4, 2, WideGlyphs::Cut, false},
         "..\n##\n#.\n..\n",
         false},
        {"no ascent told: the top row stays", {"##"}, std::nullopt, {2, 1, WideGlyphs::Cut, false}, "##\n..\n", false},
        {"raised above row 0", {"#.", ".#"}, 1, {2, 0, WideGlyphs::Cut, false}, ".#\n..\n", true},
        {"taller than the set",
         {"#", "#", "#"},
         std::nullopt,
         {2, std::nullopt, WideGlyphs::Cut, false},
         "#\n#\n",
         true},
        {"ascent far off the set", {"#"}, INT_MAX, {2, 0, WideGlyphs::Cut, false}, ".\n.\n", true},
        {"17 wide is cut to 15",
         {wide17},
         std::nullopt,
         {1, std::nullopt, WideGlyphs::Cut, false},
         "...............\n",
         true},
        {"30 wide is squeezed to 15",
         {wide30},
         std::nullopt,
         {1, std::nullopt, WideGlyphs::Shrink, false},
         "###############\n",
         false},
        {"trimmed to its ink and one blank",
         {"..#.."},
         std::nullopt,
         {1, std::nullopt, WideGlyphs::Cut, true},
         "#.\n",
         false},
        {"a blank picture is not trimmed",
         {"..."},
         std::nullopt,
         {1, std::nullopt, WideGlyphs::Cut, true},
         "...\n",
         false},
    };
    for (const Case& c : cases) {
        const PlacedGlyph placed = PlaceGlyph(picture(c.drawn), c.ascent, c.placement);
        EXPECT_EQ(show(placed.picture.image.copy(0, 0, placed.picture.width, c.placement.height)), c.glyph) << c.name;
        EXPECT_EQ(placed.cut, c.cut) << c.name;
        EXPECT_EQ(placed.picture.image.width() % 8, 0) << c.name;
    }
}

}  // namespace
}  // namespace glyphora::test
