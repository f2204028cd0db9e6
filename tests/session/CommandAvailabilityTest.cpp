// Which commands are on, as a pure function of the state.
#include <CommandAvailability.h>

#include <gtest/gtest.h>

namespace glyphora {
namespace {

std::string On(const CommandSet& set) {
    std::string out;
    for (std::size_t i = 0; i < set.size(); ++i) {
        const auto c = static_cast<Command>(i);
        // The view toggles are always on; the window test sees them.
        if (c == Command::PixelGrid || c == Command::SampleText || c == Command::GlyphMap || !set.test(i)) continue;
        out += std::string(out.empty() ? "" : " ") + CommandName(c);
    }
    return out;
}

TEST(CommandAvailability, FollowsTheLangpackTheGlyphAndTheEdits) {
    const std::string tail = "SelectFont SelectFontFile";
    const std::string languages = "English Russian LoadLanguage About";
    const std::string clipboard = "Clear SelectAll Copy Cut Paste ExportBitmap ImportBitmap ShiftLeft ShiftRight";
    // Generate glyphs… works where Replace does, the transforms where the shifts do; their ids come later.
    const std::string generate =
        " GenerateGlyphs FlipHorizontal FlipVertical Rotate180 Invert ShiftUp ShiftDown Bold Oblique";
    // Any open langpack is compared with another; the glyph copies need a set shown.
    const std::string compare = " CompareWith";
    const std::string sizes =
        "SetWidth IncreaseWidth DecreaseWidth SelectFont SelectFontFile ReplaceSymbols "
        "OptimizeWidths SetHeight";
    struct Case {
        const char* name;
        CommandInputs in;
        std::string expected;
    } cases[] = {
        {"at start", {}, "OpenFile Exit " + tail + " " + languages},
        {"langpack read",
         {.langFileOpen = true},
         "OpenFile Exit ZoomIn " + tail + " " + languages + " GoToCharacter FitGlyph" + compare},
        {"glyph selected, zoom 16",
         {.langFileOpen = true, .glyphSelected = true, .glyphShown = true, .zoom = 16},
         "OpenFile Exit " + clipboard + " ZoomOut " + sizes + " " + languages + " GoToCharacter FitGlyph" + generate +
             compare},
        {"edited",
         {.langFileOpen = true,
          .glyphSelected = true,
          .glyphShown = true,
          .imageModified = true,
          .langModified = true,
          .undoAvailable = true,
          .zoom = 2,
          .canStepBackward = true},
         "OpenFile SaveImage SaveLangpack Exit Undo " + clipboard + " ZoomIn ZoomOut " + sizes + " " + languages +
             " StepBackward GoToCharacter FitGlyph" + generate + compare},
        // A set without glyphs: nothing to store, but the glyph commands stay on; no steps without a glyph.
        {"empty set after a glyph",
         {.langFileOpen = true, .glyphSelected = true, .imageModified = true, .canStepForward = true},
         "OpenFile Exit " + clipboard + " ZoomIn " + sizes + " " + languages + " GoToCharacter FitGlyph" + generate +
             compare},
        // The whole-set commands need a set shown, not a glyph.
        {"empty set shown",
         {.langFileOpen = true, .setShown = true},
         "OpenFile Exit ZoomIn " + tail + " " + languages +
             " ExportSetBdf ImportSetBdf ExportSetPng GoToCharacter FitGlyph Guides"
             " CharacterRanges ImportSetPng CopyGlyphs PasteGlyphs CopyFromLangpack" +
             compare},
        {"comparing",
         {.langFileOpen = true, .comparing = true},
         "OpenFile Exit ZoomIn " + tail + " " + languages + " GoToCharacter FitGlyph" + compare +
             " CloseComparison NextDifference"},
    };
    for (const Case& c : cases) EXPECT_EQ(On(EnabledCommands(c.in)), c.expected) << c.name;
}

}  // namespace
}  // namespace glyphora
