// Storing the working glyph, saving the langpack, and the questions asked on
// the way: before another glyph, before another langpack, before closing.
#include "GuiFixture.h"

#include <LangpackReader.h>

#include <QDir>
#include <QTableWidget>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

class SaveLangpackTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        file_ = writeLangpack("lang.smg", TypicalLangpack());
        open(file_);
        original_ = window().document()->langpack().SymbolTable[0][0].Data;
    }
    const Symbols& glyph(int set, int index) { return window().document()->langpack().SymbolTable[set][index]; }
    // The glyph's stored rows with pixel (0, 0) turned over, as drawPixel() does.
    std::vector<uint8_t> flipped(std::vector<uint8_t> data) {
        data[0] = static_cast<uint8_t>(data[0] ^ 0x80);
        return data;
    }

    QString file_;
    std::vector<uint8_t> original_;
};

TEST_F(SaveLangpackTest, DrawingMarksGlyphAndLangpackChanged) {
    drawPixel();
    MainWindow& w = window();
    EXPECT_TRUE(w.editor().ImageModified());
    EXPECT_TRUE(w.langModified());
    EXPECT_TRUE(w.actions().saveImage->isEnabled());
    EXPECT_TRUE(w.actions().saveLangpack->isEnabled());
    EXPECT_TRUE(w.actions().undo->isEnabled());

    w.actions().saveImage->trigger();
    EXPECT_EQ(glyph(0, 0).Data, flipped(original_));
    EXPECT_FALSE(w.actions().saveImage->isEnabled());
    EXPECT_TRUE(w.actions().saveLangpack->isEnabled());
}

struct LeaveGlyph {
    const char* name;
    MessageBoxes::Answer answer;
    bool stored;
    bool left;
};

class LeaveGlyphTest : public SaveLangpackTest, public ::testing::WithParamInterface<LeaveGlyph> {};

TEST_P(LeaveGlyphTest, AsksBeforeAnotherGlyphIsShown) {
    drawPixel();
    boxes_->answers = {GetParam().answer};
    chooseGlyph(5);
    ASSERT_EQ(boxes_->texts(), QStringList{"Save the current symbol?"});
    EXPECT_EQ(boxes_->shown[0].icon, Icon::Question);
    EXPECT_EQ(glyph(0, 0).Data, GetParam().stored ? flipped(original_) : original_);
    EXPECT_EQ(window().currentSymbol(), GetParam().left ? 5 : 0);
    EXPECT_EQ(window().fontPage()->glyphRow(), GetParam().left ? 5 : 0);
    EXPECT_EQ(window().editor().ImageModified(), !GetParam().left);
}

TEST_P(LeaveGlyphTest, AsksBeforeAnotherSetIsShown) {
    drawPixel();
    boxes_->answers = {GetParam().answer};
    chooseSet(1);
    ASSERT_EQ(boxes_->texts(), QStringList{"Save the current symbol?"});
    EXPECT_EQ(glyph(0, 0).Data, GetParam().stored ? flipped(original_) : original_);
    EXPECT_EQ(window().currentSet(), GetParam().left ? 1 : 0);
    EXPECT_EQ(window().fontPage()->setGrid()->currentRow(), GetParam().left ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, LeaveGlyphTest,
                         ::testing::Values(LeaveGlyph{"Yes", MessageBoxes::Answer::Yes, true, true},
                                           LeaveGlyph{"No", MessageBoxes::Answer::No, false, true},
                                           LeaveGlyph{"Cancel", MessageBoxes::Answer::Cancel, false, false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(SaveLangpackTest, SaveWritesTheFileAndAsksAboutTheWorkingGlyph) {
    drawPixel();
    boxes_->answers = {Answer::Yes};
    window().actions().saveLangpack->trigger();
    EXPECT_EQ(boxes_->texts(), QStringList{"Save the current symbol?"});
    EXPECT_FALSE(window().langModified());
    EXPECT_FALSE(window().actions().saveLangpack->isEnabled());
    EXPECT_FALSE(window().actions().saveImage->isEnabled());

    ReadResult back = ReadLangpack(readBytes(file_));
    ASSERT_EQ(back.status, ReadStatus::Ok) << back.message;
    EXPECT_EQ(back.langpack.SymbolTable[0][0].Data, flipped(original_));
    EXPECT_EQ(back.langpack.SymbolTable[0][1].Data, glyph(0, 1).Data);
}

TEST_F(SaveLangpackTest, SaveWithoutChangesWritesNothing) {
    QFile::remove(file_);
    window().actions().saveLangpack->trigger();  // disabled: nothing happens
    EXPECT_TRUE(window().SaveLang());
    EXPECT_FALSE(QFile::exists(file_));
    EXPECT_TRUE(boxes_->shown.empty());
}

TEST_F(SaveLangpackTest, FailedWriteKeepsTheChangesAndReportsTheFile) {
    drawPixel();
    window().actions().saveImage->trigger();
    // Something else now stands where the langpack was: the new image cannot replace it.
    ASSERT_TRUE(QFile::remove(file_));
    ASSERT_TRUE(QDir().mkdir(file_));
    window().actions().saveLangpack->trigger();
    ASSERT_EQ(boxes_->shown.size(), 1u);
    EXPECT_EQ(boxes_->shown[0].icon, Icon::Error);
    EXPECT_TRUE(boxes_->shown[0].text.contains(file_)) << boxes_->shown[0].text.toStdString();
    EXPECT_TRUE(window().langModified());
    EXPECT_TRUE(window().actions().saveLangpack->isEnabled());
    EXPECT_TRUE(QFileInfo(file_).isDir());

    // Once the way is free again the same changes are saved.
    ASSERT_TRUE(QDir().rmdir(file_));
    window().actions().saveLangpack->trigger();
    EXPECT_FALSE(window().langModified());
    ReadResult back = ReadLangpack(readBytes(file_));
    ASSERT_EQ(back.status, ReadStatus::Ok) << back.message;
    EXPECT_EQ(back.langpack.SymbolTable[0][0].Data, flipped(original_));
}

TEST_F(SaveLangpackTest, FontInTheMiddleMayNotGrow) {
    fixtures::LangpackSpec spec = TypicalLangpack();
    spec.ITapAfterSetTable = true;
    const QString middle = writeLangpack("middle.smg", spec);
    boxes_->answers = {Answer::No};  // the unsaved pixel of lang.smg
    drawPixel();
    open(middle);
    boxes_->clear();
    const auto before = readBytes(middle);

    for (int i = 0; i < 4; ++i) window().actions().increaseWidth->trigger();  // 5 -> 9 pixels: two bytes a row
    boxes_->answers = {Answer::Yes};
    window().actions().saveLangpack->trigger();
    ASSERT_EQ(boxes_->shown.size(), 2u);
    EXPECT_EQ(boxes_->shown[1].icon, Icon::Warning);
    EXPECT_TRUE(boxes_->shown[1].text.startsWith("The font is in the middle langpack")) << boxes_->shown[1].text.toStdString();
    EXPECT_TRUE(window().langModified());
    EXPECT_EQ(readBytes(middle), before);
}

TEST_F(SaveLangpackTest, AnotherLangpackReplacesAChangedOneOnlyAfterTheQuestion) {
    const QString other = writeLangpack("other.smg", TypicalLangpack());
    drawPixel();
    boxes_->answers = {Answer::Cancel};
    open(other);
    EXPECT_EQ(boxes_->texts(), QStringList{"Save changed langpack?"});
    EXPECT_EQ(window().document()->path(), file_.toStdString());
    EXPECT_EQ(window().currentFileName(), file_);
    EXPECT_TRUE(window().langModified());

    boxes_->clear();
    boxes_->answers = {Answer::Yes, Answer::Yes};
    open(other);
    EXPECT_EQ(boxes_->texts(), QStringList({"Save changed langpack?", "Save the current symbol?"}));
    EXPECT_EQ(window().document()->path(), other.toStdString());
    EXPECT_FALSE(window().langModified());
    EXPECT_EQ(ReadLangpack(readBytes(file_)).langpack.SymbolTable[0][0].Data, flipped(original_));
}

struct CloseCase {
    const char* name;
    std::deque<MessageBoxes::Answer> answers;
    bool closes;
    bool saved;
};

class CloseTest : public SaveLangpackTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, AsksAboutAChangedLangpack) {
    drawPixel();
    window().actions().saveImage->trigger();
    boxes_->answers = GetParam().answers;
    QFile::remove(settingsPath());
    EXPECT_EQ(window().close(), GetParam().closes);
    EXPECT_EQ(boxes_->texts().value(0), "Save changed langpack?");
    EXPECT_EQ(QFile::exists(settingsPath()), GetParam().closes);
    const auto data = ReadLangpack(readBytes(file_)).langpack.SymbolTable[0][0].Data;
    EXPECT_EQ(data, GetParam().saved ? flipped(original_) : original_);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseTest,
                         ::testing::Values(CloseCase{"Yes", {MessageBoxes::Answer::Yes}, true, true},
                                           CloseCase{"No", {MessageBoxes::Answer::No}, true, false},
                                           CloseCase{"Cancel", {MessageBoxes::Answer::Cancel}, false, false}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace glyphora::testing
