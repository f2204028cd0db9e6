// Storing the working glyph, saving the langpack, and the questions asked on
// the way: before another glyph or set, before another langpack, before closing.
#include <ReadOutcome.h>
#include "SessionFixture.h"

#include <GlyphRows.h>
#include <GlyphSteps.h>
#include <LangpackReader.h>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

class SaveFlowTest : public SessionTest {
protected:
    void SetUp() override {
        file_ = writeLangpack("lang.smg", TypicalLangpack());
        open(file_);
        original_ = glyph(0, 0).Data;
    }
    // The glyph's stored rows with pixel (0, 0) turned over, as drawPixel() does.
    static std::vector<uint8_t> flipped(std::vector<uint8_t> data) {
        data[0] = static_cast<uint8_t>(data[0] ^ 0x80);
        return data;
    }
    TLangpack onDisk(const std::string& path) {
        ReadOutcome back = Outcome(ReadLangpack(dir.read(path)));
        EXPECT_EQ(back.status, ReadStatus::Ok) << back.message;
        return back.langpack;
    }

    std::string file_;
    std::vector<uint8_t> original_;
};

TEST_F(SaveFlowTest, DrawingMarksGlyphAndLangpackChanged) {
    drawPixel();
    Session& s = session();
    EXPECT_TRUE(s.editor().ImageModified());
    EXPECT_TRUE(s.LangModified());
    EXPECT_TRUE(enabled(Command::SaveImage));
    EXPECT_TRUE(enabled(Command::SaveLangpack));
    EXPECT_TRUE(enabled(Command::Undo));

    s.SaveImageCommand();
    EXPECT_EQ(glyph(0, 0).Data, flipped(original_));
    EXPECT_FALSE(enabled(Command::SaveImage));
    EXPECT_TRUE(enabled(Command::SaveLangpack));
}

TEST_F(SaveFlowTest, AsksBeforeAnotherGlyphOrSetIsShown) {
    struct Case {
        const char* name;
        Answer answer;
        bool stored;
        bool left;
    };
    for (const Case& c : {Case{"Yes", Answer::Yes, true, true}, Case{"No", Answer::No, false, true},
                          Case{"Cancel", Answer::Cancel, false, false}}) {
        for (bool toSet : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (toSet ? " to set 2" : " to glyph 5"));
            open(file_);
            drawPixel();
            prompts.clear();
            prompts.answers = {c.answer};
            const bool went = toSet ? session().ChooseSet(1) : session().ChooseSymbol(5);
            ASSERT_EQ(prompts.texts(), std::vector<std::string>{"Save the current symbol?"});
            EXPECT_EQ(prompts.shown[0].icon, Icon::Question);
            EXPECT_EQ(went, c.left);
            EXPECT_EQ(glyph(0, 0).Data, c.stored ? flipped(original_) : original_);
            EXPECT_EQ(session().CurrentSymbol(), c.left && !toSet ? 5 : 0);
            EXPECT_EQ(session().CurrentSet(), c.left && toSet ? 1 : 0);
            EXPECT_EQ(session().editor().ImageModified(), !c.left);
            // Drop what this round stored, so the next round starts from the file.
            session().NoEditingLang();
        }
    }
}

TEST_F(SaveFlowTest, SaveWritesTheFileAndAsksAboutTheWorkingGlyph) {
    drawPixel();
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(session().SaveLang());
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"Save the current symbol?"});
    EXPECT_FALSE(session().LangModified());
    EXPECT_FALSE(enabled(Command::SaveLangpack));
    EXPECT_FALSE(enabled(Command::SaveImage));
    const TLangpack back = onDisk(file_);
    EXPECT_EQ(back.SymbolTable[0][0].Data, flipped(original_));
    EXPECT_EQ(back.SymbolTable[0][1].Data, glyph(0, 1).Data);
}

// What is saved is what the canvas shows, also when an Undo followed Save Image.
TEST_F(SaveFlowTest, AnUndoAfterSaveImageIsAskedAboutAndSaved) {
    drawPixel();
    session().SaveImageCommand();
    GlyphSteps(session()).UndoCommand();
    EXPECT_TRUE(enabled(Command::SaveImage));
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(session().SaveLang());
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"Save the current symbol?"});
    EXPECT_EQ(onDisk(file_).SymbolTable[0][0].Data, original_);
}

// "No" drops the change from the canvas too, so the next edit cannot store it after all.
TEST_F(SaveFlowTest, ADroppedEditLeavesTheCanvas) {
    drawPixel();
    prompts.answers = {Answer::No};
    EXPECT_TRUE(session().SaveLang());
    const GlyphEditor& e = session().editor();
    EXPECT_FALSE(e.ImageModified());
    EXPECT_EQ(GlyphImageToRows(e.EditImage(), e.GlyphWidth(), e.GlyphHeight()), original_);
    EXPECT_EQ(onDisk(file_).SymbolTable[0][0].Data, original_);

    drawPixel();
    session().SaveImageCommand();
    EXPECT_EQ(glyph(0, 0).Data, flipped(original_));
}

TEST_F(SaveFlowTest, SaveWithoutChangesWritesNothing) {
    std::filesystem::remove(file_);
    EXPECT_TRUE(session().SaveLang());
    EXPECT_FALSE(std::filesystem::exists(file_));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SaveFlowTest, FailedWriteKeepsTheChangesAndReportsTheFile) {
    drawPixel();
    session().SaveImageCommand();
    // Something else now stands where the langpack was: the new image cannot replace it.
    std::filesystem::remove(file_);
    std::filesystem::create_directory(file_);
    EXPECT_FALSE(session().SaveLang());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].icon, Icon::Error);
    EXPECT_NE(prompts.shown[0].text.find(file_), std::string::npos) << prompts.shown[0].text;
    EXPECT_TRUE(session().LangModified());
    EXPECT_TRUE(enabled(Command::SaveLangpack));
    EXPECT_TRUE(std::filesystem::is_directory(file_));

    // Once the way is free again the same changes are saved.
    std::filesystem::remove(file_);
    EXPECT_TRUE(session().SaveLang());
    EXPECT_FALSE(session().LangModified());
    EXPECT_EQ(onDisk(file_).SymbolTable[0][0].Data, flipped(original_));
}

TEST_F(SaveFlowTest, FontInTheMiddleMayNotGrow) {
    fixtures::LangpackSpec spec = TypicalLangpack();
    spec.ITapAfterSetTable = true;
    const std::string middle = writeLangpack("middle.smg", spec);
    prompts.answers = {Answer::No};  // the unsaved pixel of lang.smg
    drawPixel();
    open(middle);
    prompts.clear();
    const auto before = dir.read(middle);

    for (int i = 0; i < 4; ++i) session().editor().IncreaseWidth();  // 5 -> 9 pixels: two bytes a row
    prompts.answers = {Answer::Yes};
    EXPECT_FALSE(session().SaveLang());
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].icon, Icon::Warning);
    EXPECT_EQ(prompts.shown[1].text.rfind("The font is in the middle langpack", 0), 0u) << prompts.shown[1].text;
    EXPECT_TRUE(session().LangModified());
    EXPECT_EQ(dir.read(middle), before);
}

TEST_F(SaveFlowTest, AnotherLangpackReplacesAChangedOneOnlyAfterTheQuestion) {
    const std::string other = writeLangpack("other.smg", TypicalLangpack());
    drawPixel();
    prompts.answers = {Answer::Cancel};
    open(other);
    EXPECT_EQ(prompts.texts(), std::vector<std::string>{"Save changed langpack?"});
    EXPECT_EQ(session().document()->path(), file_);
    EXPECT_EQ(session().CurrentFileName(), file_);
    EXPECT_TRUE(session().LangModified());

    prompts.clear();
    prompts.answers = {Answer::Yes, Answer::Yes};
    open(other);
    EXPECT_EQ(prompts.texts(), (std::vector<std::string>{"Save changed langpack?", "Save the current symbol?"}));
    EXPECT_EQ(session().document()->path(), other);
    EXPECT_FALSE(session().LangModified());
    EXPECT_EQ(onDisk(file_).SymbolTable[0][0].Data, flipped(original_));
}

TEST_F(SaveFlowTest, ReopeningTheChangedLangpackAfterSavingShowsTheSavedGlyphs) {
    drawPixel();
    prompts.answers = {Answer::Yes, Answer::Yes};
    open(file_);
    EXPECT_EQ(prompts.texts(), (std::vector<std::string>{"Save changed langpack?", "Save the current symbol?"}));
    EXPECT_FALSE(session().LangModified());
    EXPECT_EQ(onDisk(file_).SymbolTable[0][0].Data, flipped(original_));
    EXPECT_EQ(glyph(0, 0).Data, flipped(original_)) << "the copy read before the save is shown";
}

TEST_F(SaveFlowTest, ClosingAsksAboutAChangedLangpack) {
    struct Case {
        const char* name;
        Answer answer;
        bool closes;
        bool saved;
    };
    for (const Case& c : {Case{"Yes", Answer::Yes, true, true}, Case{"No", Answer::No, true, false},
                          Case{"Cancel", Answer::Cancel, false, false}}) {
        SCOPED_TRACE(c.name);
        const std::string copy = dir.write(std::string(c.name) + ".smg", dir.read(file_));
        open(copy);
        prompts.clear();
        drawPixel();
        session().SaveImageCommand();
        prompts.answers = {c.answer};
        std::filesystem::remove(settingsPath());
        const bool closes = session().QustionSave();
        if (closes) session().Close();
        EXPECT_EQ(closes, c.closes);
        EXPECT_EQ(prompts.texts().at(0), "Save changed langpack?");
        EXPECT_EQ(std::filesystem::exists(settingsPath()), c.closes);
        EXPECT_EQ(onDisk(copy).SymbolTable[0][0].Data, c.saved ? flipped(original_) : original_);
        session().NoEditingLang();
    }
}

// Another program changed the file since the open: the save asks before it
// undoes that change, and No leaves both the file and the edits as they are.
TEST_F(SaveFlowTest, AFileChangedOnDiskIsOverwrittenOnlyAfterTheQuestion) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        writeLangpack("lang.smg", TypicalLangpack());
        open(file_);
        prompts.clear();
        drawPixel();
        session().SaveImageCommand();
        fixtures::LangpackSpec other = TypicalLangpack();
        other.Sets[0].Height = 13;
        writeLangpack("lang.smg", other);
        const std::vector<uint8_t> theirs = dir.read(file_);

        prompts.answers = {answer};
        EXPECT_EQ(session().SaveLang(), answer == Answer::Yes);
        ASSERT_EQ(prompts.texts(), std::vector<std::string>{
                                       file_ + " was changed by another program since it was opened. Overwrite it?"});
        EXPECT_EQ(prompts.shown[0].icon, Icon::Warning);
        EXPECT_EQ(session().LangModified(), answer == Answer::No);
        if (answer == Answer::No)
            EXPECT_EQ(dir.read(file_), theirs);
        else
            EXPECT_EQ(onDisk(file_).SymbolTable[0][0].Data, flipped(original_));
        session().NoEditingLang();
    }
}

}  // namespace
}  // namespace glyphora::testing
