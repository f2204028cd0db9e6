// Opening langpacks and flash files through the session: the state it leaves,
// the files it refuses, and choosing sets and glyphs.
#include "SessionFixture.h"

#include <ShxBuilder.h>

#include <FileLeftovers.h>

#include <FileOpening.h>
#include <Zoom.h>
#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>

namespace glyphora::testing {
namespace {

using fixtures::LangpackSpec;
using fixtures::TypicalLangpack;

TEST_F(SessionTest, OpeningChoosesTheFirstSetAndGlyph) {
    const std::string file = writeLangpack("lang.smg", TypicalLangpack());
    open(file);
    Session& s = session();
    ASSERT_NE(s.document(), nullptr);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(s.Title(), "Glyphora - lang.smg [1:1]");
    EXPECT_EQ(s.CurrentFileName(), file);
    EXPECT_EQ(s.CurrentSet(), 0);
    EXPECT_EQ(s.CurrentSymbol(), 0);
    EXPECT_TRUE(s.LangFileOpen());
    for (Command c : {Command::Clear, Command::Paste, Command::ExportBitmap, Command::ReplaceSymbols,
                      Command::SetHeight, Command::ZoomIn})
        EXPECT_TRUE(enabled(c)) << static_cast<int>(c);
    for (Command c : {Command::ZoomOut, Command::Undo, Command::SaveImage, Command::SaveLangpack})
        EXPECT_FALSE(enabled(c)) << static_cast<int>(c);
    EXPECT_EQ(s.editor().GlyphWidth(), glyph(0, 0).Width);
    EXPECT_EQ(s.editor().GlyphHeight(), 8);
}

TEST_F(SessionTest, ChoosingAGlyphOrASetLoadsItIntoTheEditor) {
    open(writeLangpack("lang.smg", TypicalLangpack()));
    Session& s = session();
    EXPECT_TRUE(s.ChooseSymbol(7));
    EXPECT_EQ(s.CurrentSymbol(), 7);
    EXPECT_EQ(s.editor().GlyphWidth(), glyph(0, 7).Width);
    const MonoImage& edit = s.editor().EditImage();
    for (int r = 0; r < 8; ++r) EXPECT_EQ(edit.row(r)[0], glyph(0, 7).Data[static_cast<std::size_t>(r)]) << r;

    EXPECT_TRUE(s.ChooseSet(1));
    EXPECT_EQ(s.CurrentSet(), 1);
    EXPECT_EQ(s.CurrentSymbol(), 0);
    EXPECT_EQ(s.editor().GlyphHeight(), 12);
}

// Files that are refused leave the langpack loaded before, its name and title.
TEST_F(SessionTest, RefusedFilesKeepTheLangpackLoadedBefore) {
    struct Case {
        const char* name;
        std::function<std::vector<uint8_t>()> bytes;
        bool message;  // a warning naming the file
    };
    const Case cases[] = {
        {"short.smg",
         [] {
             auto b = fixtures::BuildLangpack(TypicalLangpack());
             b.Bytes.resize(599);
             return b.Bytes;
         },
         false},
        {"b2.bin",
         [] {
             auto b = fixtures::BuildLangpack(TypicalLangpack());
             b.Bytes[7] = 0xB2;
             return b.Bytes;
         },
         false},
        {"cut.smg",
         [] {
             auto b = fixtures::BuildLangpack(TypicalLangpack());
             b.Bytes.resize(b.Sets[1].GlyphOffsets[20]);
             return b.Bytes;
         },
         true},
    };
    const std::string good = writeLangpack("good.smg", TypicalLangpack());
    open(good);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        const std::string bad = dir.write(c.name, c.bytes());
        open(bad);
        Session& s = session();
        EXPECT_EQ(s.document()->path(), good);
        EXPECT_EQ(s.CurrentFileName(), good);
        EXPECT_EQ(s.Title(), "Glyphora - good.smg [1:1]");
        if (c.message) {
            ASSERT_EQ(prompts.shown.size(), 1u);
            EXPECT_EQ(prompts.shown[0].icon, Icon::Warning);
            EXPECT_NE(prompts.shown[0].text.find(bad), std::string::npos) << prompts.shown[0].text;
        } else {
            EXPECT_TRUE(prompts.shown.empty());
        }
    }
}

// A save killed while writing the file in place left a copy of its old
// content: the open says so, and offers the copy back when the file does not
// read as a langpack.
TEST_F(SessionTest, AnInterruptedSaveIsToldAndItsOldContentOfferedBack) {
    struct Case {
        const char* name;
        bool cut;         // the file was cut short by the save that broke off
        std::string pid;  // of the save that left the copy
        std::deque<Answer> answers;
        bool told, restored;
    };
    // No system gives a process this id; the test's own is a save under way.
    const std::string ended = "999999996", running = std::to_string(CurrentProcessId());
    const Case cases[] = {
        {"the file reads", false, ended, {}, true, false},
        {"cut short, put back", true, ended, {Answer::Yes}, true, true},
        {"cut short, kept", true, ended, {Answer::No}, true, false},
        {"a save under way", false, running, {}, false, false},
    };
    const std::vector<uint8_t> old = fixtures::BuildLangpack(TypicalLangpack()).Bytes;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        const std::string name = std::string(c.name) + ".smg";
        const std::vector<uint8_t> inFile(old.begin(), c.cut ? old.begin() + 700 : old.end());
        const std::string file = dir.write(name, inFile);
        const std::string copy = dir.write("." + name + ".glyphora-old-" + c.pid + "-0", old);
        prompts.answers = c.answers;
        open(file);
        EXPECT_EQ(!prompts.shown.empty() &&
                      prompts.shown[0].text.find("An earlier save of " + file + " was interrupted") == 0,
                  c.told);
        if (c.told) {
            EXPECT_NE(prompts.shown[0].text.find(copy), std::string::npos) << prompts.shown[0].text;
            EXPECT_EQ(prompts.shown[0].question, c.cut);
        }
        EXPECT_EQ(session().CurrentFileName() == file, !c.cut || c.restored);
        EXPECT_EQ(dir.read(file), c.restored ? old : inFile);
        EXPECT_EQ(std::filesystem::exists(copy), !c.restored);
    }
}

TEST_F(SessionTest, FlashFileWithoutLangpackSaysSoOnce) {
    const std::string good = writeLangpack("good.smg", TypicalLangpack());
    open(good);
    open(dir.write("PHONE.SHX", std::vector<uint8_t>(700, 0)));
    ASSERT_EQ(prompts.shown.size(), 1u);
    // The first line is the fixed text; the extraction's reason follows it.
    const std::string& text = prompts.shown[0].text;
    EXPECT_EQ(text.substr(0, text.find('\n')), "This file is not langpack.");
    EXPECT_NE(text.find("superfile header"), std::string::npos) << text;
    EXPECT_EQ(prompts.shown[0].icon, Icon::Warning);
    EXPECT_EQ(session().CurrentFileName(), good);
    EXPECT_EQ(session().Title(), "Glyphora - good.smg [1:1]");
}

TEST_F(SessionTest, FlashFileOpensTheExtractedLangpack) {
    struct FakeExtraction : FlashExtraction {
        std::string from, to;
        FlashOutcome SplitSHX(const std::string& flash, const shx::EditedFileQuestion&) override {
            from = flash;
            return {true, to, {}, {}, {}};
        }
    } fake;
    fake.to = writeLangpack("PHONE{@0x10000000}LangPack.smg", TypicalLangpack());
    extraction = &fake;
    const std::string flash = dir.write("PHONE.Shx", std::vector<uint8_t>(700, 0));
    open(flash);
    EXPECT_EQ(fake.from, flash);
    EXPECT_EQ(session().CurrentFileName(), fake.to);
    EXPECT_EQ(session().Title(), "Glyphora - PHONE{@0x10000000}LangPack.smg [1:1]");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SessionTest, TheLangPackGroupOfARealFlashFileOpens) {
    const std::vector<uint8_t> langpack = fixtures::BuildLangpack(TypicalLangpack()).Bytes;
    fixtures::ShxBuilder shx;
    shx.codeGroup(1, 0x10000000, fixtures::PatternBytes(100));
    shx.codeGroup(4, 0x10400000, langpack);
    open(dir.write("phone.SHX", shx.bytes()));
    const std::string extracted = dir.path("phone{@0x10400000}CG4.smg");
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(session().CurrentFileName(), extracted);
    EXPECT_EQ(session().Title(), "Glyphora - phone{@0x10400000}CG4.smg [1:1]");
    EXPECT_EQ(dir.read(extracted), langpack);
    EXPECT_TRUE(std::filesystem::exists(dir.path("phone.hdr")));
}

TEST_F(SessionTest, BrokenRecordsWithoutLangPackKeepTheOpenLangpack) {
    const std::string good = writeLangpack("good.smg", TypicalLangpack());
    open(good);
    fixtures::ShxBuilder shx;
    shx.slot(4, 0x10400000, 0x104000FF);
    shx.line("S0030000FC").line("S3XX");
    open(dir.write("bad.shx", shx.bytes()));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text.rfind("The flash file is damaged", 0), 0u);
    EXPECT_EQ(session().CurrentFileName(), good);
}

// A flash file that yields no langpack says what is to blame in its first line.
TEST_F(SessionTest, AFlashFileFaultIsNamedInTheHeadline) {
    const std::vector<uint8_t> langpack = fixtures::BuildLangpack(TypicalLangpack()).Bytes;
    fixtures::ShxBuilder shx;
    shx.codeGroup(4, 0x10400000, langpack);
    const std::vector<uint8_t> whole = shx.bytes();
    struct Case {
        const char* name;
        std::vector<uint8_t> flash;
        bool folderInTheWay;  // a folder holds the header file's name
        std::string headline;
        Icon icon;
    };
    std::vector<uint8_t> cut = whole, badSum = whole;
    cut.resize(cut.size() - 100);
    badSum[badSum.size() - 60] ^= 1;
    const Case cases[] = {
        {"not a flash file", std::vector<uint8_t>(700, 0), false, "This file is not langpack.", Icon::Warning},
        {"cut", cut, false, "The flash file is cut short: it ends before its last code group.", Icon::Warning},
        {"checksum", badSum, false, "The flash file is damaged: a record fails its checksum.", Icon::Warning},
        {"unwritable", whole, true, "The folder " + dir.root().string() + " cannot be written.", Icon::Error},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.clear();
        std::filesystem::remove_all(dir.path("phone.hdr"));
        if (c.folderInTheWay) std::filesystem::create_directory(dir.path("phone.hdr"));
        open(dir.write("phone.shx", c.flash));
        ASSERT_EQ(prompts.shown.size(), 1u);
        const std::string& text = prompts.shown[0].text;
        EXPECT_EQ(text.substr(0, text.find('\n')), c.headline);
        EXPECT_NE(text.find(c.folderInTheWay ? dir.path("phone.hdr") : dir.path("phone.shx")), std::string::npos);
        EXPECT_EQ(prompts.shown[0].icon, c.icon);
        EXPECT_EQ(session().document(), nullptr);
    }
}

// Opening a flash file again asks before it undoes an edit of the langpack
// extracted from it; the langpack opened, and remembered, is the one kept.
TEST_F(SessionTest, ReopeningAFlashFileAsksBeforeReplacingAnEditedLangpack) {
    struct Recent : SessionObserver {
        std::vector<std::string> opened;
        void fileOpened(const std::string& path) override { opened.push_back(path); }
    };
    const std::vector<uint8_t> langpack = fixtures::BuildLangpack(TypicalLangpack()).Bytes;
    const fixtures::LangpackSpec editedSpec = fixtures::RepaintedTypicalLangpack();
    const std::vector<uint8_t> edited = fixtures::BuildLangpack(editedSpec).Bytes;
    fixtures::ShxBuilder shx;
    shx.codeGroup(4, 0x10400000, langpack);
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        TempFolder folder;
        const std::string flash = folder.write("phone.shx", shx.bytes());
        const std::string extracted = folder.path("phone{@0x10400000}CG4.smg");
        folder.write("phone{@0x10400000}CG4.smg", edited);
        // The flash file touched (or copied again) after the edit: only the bytes tell.
        std::filesystem::last_write_time(flash, std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
        session_.reset();
        Recent recent;
        session().setObserver(&recent);
        prompts.clear();
        prompts.answers.push_back(answer);
        open(flash);
        ASSERT_EQ(prompts.texts(),
                  std::vector<std::string>{extracted + " differs from the copy in the flash file: it may hold edits. "
                                                       "Replace it with the copy from the flash file?"});
        EXPECT_EQ(folder.read(extracted), answer == Answer::Yes ? langpack : edited);
        EXPECT_EQ(session().CurrentFileName(), extracted);
        EXPECT_EQ(glyph(1, 0).Width, (answer == Answer::Yes ? TypicalLangpack() : editedSpec).Sets[1].Glyphs[0].Width);
        EXPECT_EQ(recent.opened, std::vector<std::string>{extracted});
        session().setObserver(nullptr);
    }
}

TEST_F(SessionTest, ARowOfTheCodeGroupListOpensThatFile) {
    const std::string other = writeLangpack("other.smg", TypicalLangpack());
    session().OpenFromCodeGroupList(other);
    EXPECT_EQ(session().CurrentFileName(), other);
    ASSERT_NE(session().document(), nullptr);
    // An empty file-name cell opens nothing and keeps what was loaded.
    session().OpenFromCodeGroupList("");
    EXPECT_EQ(session().CurrentFileName(), other);
}

TEST_F(SessionTest, ANamedFileThatIsNotThereIsReported) {
    const std::string good = writeLangpack("good.smg", TypicalLangpack());
    open(good);
    FileOpening(session()).OpenNamedFile(dir.path("typo.smg"));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].icon, Icon::Error);
    EXPECT_NE(prompts.shown[0].text.find(dir.path("typo.smg")), std::string::npos);
    EXPECT_EQ(session().CurrentFileName(), good);
}

TEST_F(SessionTest, ACancelledDialogChangesNothing) {
    prompts.openFiles.push_back(std::nullopt);
    FileOpening(session()).OpenFileCommand();
    EXPECT_EQ(session().document(), nullptr);
    EXPECT_EQ(session().Title(), "Glyphora");
}

TEST_F(SessionTest, OpeningResetsTheZoom) {
    const std::string file = writeLangpack("lang.smg", TypicalLangpack());
    open(file);
    for (int i = 0; i < 6; ++i) Zoom(session()).ZoomIn();
    EXPECT_EQ(session().Title(), "Glyphora - lang.smg [16:1]");
    EXPECT_FALSE(enabled(Command::ZoomIn));
    open(file);
    EXPECT_EQ(session().Title(), "Glyphora - lang.smg [1:1]");
    EXPECT_TRUE(enabled(Command::ZoomIn));
    EXPECT_FALSE(enabled(Command::ZoomOut));
}

}  // namespace
}  // namespace glyphora::testing
