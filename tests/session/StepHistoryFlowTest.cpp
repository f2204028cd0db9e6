// The step history through the session (the editor's snapshots, the size
// commands, the toggling Undo) and the marks of changed glyphs.
#include <GlyphSize.h>
#include <GlyphSteps.h>
#include "SessionFixture.h"

namespace glyphora::testing {
namespace {

class StepHistoryFlowTest : public SessionTest {
protected:
    void SetUp() override {
        file_ = writeLangpack("lang.smg", fixtures::TypicalLangpack());
        open(file_);
    }
    bool inkAtOrigin() { return session().editor().EditImage().isInk(0, 0); }
    std::string file_;
};

TEST_F(StepHistoryFlowTest, StepsWalkEveryChangeOfEachGlyphBesideTheTogglingUndo) {
    Session& s = session();
    GlyphEditor& e = s.editor();
    const bool original = inkAtOrigin();
    const int width = e.GlyphWidth();
    EXPECT_FALSE(enabled(Command::StepBackward));

    drawPixel();        // step 1: the pixel
    e.IncreaseWidth();  // step 2: the width
    EXPECT_TRUE(enabled(Command::StepBackward));
    GlyphSteps(s).StepBackward();
    EXPECT_EQ(e.GlyphWidth(), width);
    EXPECT_NE(inkAtOrigin(), original);
    GlyphSteps(s).StepBackward();
    EXPECT_EQ(inkAtOrigin(), original);
    EXPECT_TRUE(e.ImageModified());  // a step put back is an edit
    EXPECT_FALSE(enabled(Command::StepBackward));
    GlyphSteps(s).StepForward();
    GlyphSteps(s).StepForward();
    EXPECT_EQ(e.GlyphWidth(), width + 1);
    EXPECT_FALSE(enabled(Command::StepForward));

    // Undo still toggles (twice is a redo); the state it left is a step.
    GlyphSteps(s).UndoCommand();
    EXPECT_EQ(e.GlyphWidth(), width + 1);  // the one-level Undo restores pixels only
    EXPECT_EQ(inkAtOrigin(), original);
    GlyphSteps(s).UndoCommand();
    EXPECT_NE(inkAtOrigin(), original);
    GlyphSteps(s).UndoCommand();
    GlyphSteps(s).StepBackward();  // back to the glyph before that last Undo
    EXPECT_NE(inkAtOrigin(), original);

    // Another glyph has its own steps; coming back finds the first one's.
    prompts.answers = {Answer::Yes};
    s.ChooseSymbol(1);
    EXPECT_FALSE(enabled(Command::StepBackward));
    drawPixel();
    prompts.answers = {Answer::No};
    s.ChooseSymbol(0);
    EXPECT_TRUE(enabled(Command::StepBackward));

    // A set's height is a step too; another langpack drops every step.
    prompts.sizes = {10};
    GlyphSize(s).SetHeightCommand();
    GlyphSteps(s).StepBackward();
    EXPECT_TRUE(enabled(Command::StepForward));
    prompts.answers = {Answer::No, Answer::No};  // the glyph, then the langpack
    open(file_);
    EXPECT_FALSE(enabled(Command::StepBackward) || enabled(Command::StepForward));
    EXPECT_EQ(s.history().bytes(), 0u);
}

TEST_F(StepHistoryFlowTest, GlyphsStoredOrResizedAreMarkedUntilTheSave) {
    Session& s = session();
    const ChangedGlyphs& marks = s.changedGlyphs();
    drawPixel();
    EXPECT_FALSE(marks.setChanged(0));  // not stored yet
    s.SaveImageCommand();
    EXPECT_TRUE(marks.glyphChanged(0, 0));
    EXPECT_FALSE(marks.glyphChanged(0, 1));

    // Set 3 is saved from set 2: a glyph stored in one is changed in both.
    s.ChooseSet(2);
    s.ChooseSymbol(4);
    drawPixel();
    s.SaveImageCommand();
    EXPECT_TRUE(marks.glyphChanged(1, 4) && marks.glyphChanged(2, 4));
    EXPECT_FALSE(marks.setChanged(3));

    ASSERT_TRUE(s.SaveLang());
    EXPECT_TRUE(marks.empty());

    prompts.sizes = {11};
    GlyphSize(s).SetHeightCommand();  // every glyph of sets 2 and 3
    EXPECT_TRUE(marks.glyphChanged(1, 100) && marks.glyphChanged(2, 0));
    prompts.answers = {Answer::No};
    open(file_);
    EXPECT_TRUE(marks.empty());
}

}  // namespace
}  // namespace glyphora::testing
