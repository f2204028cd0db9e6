#include "ExtractRecorder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <chrono>
#include <filesystem>
#include <optional>

namespace glyphora::shx::testing {
namespace {

using fixtures::PatternBytes;
using fixtures::ReadBytes;
using fixtures::ShxBuilder;
using fixtures::WriteBytes;
using ::glyphora::testing::TempFolder;
namespace fs = std::filesystem;

std::vector<uint8_t> TwoGroups() {
    ShxBuilder shx;
    shx.codeGroup(-2, 0x03FC0000, PatternBytes(5000, 1)).codeGroup(4, 0x10000000, PatternBytes(70000, 2));
    return shx.bytes();
}

TEST(SplitSHXOnDisk, WritesBesideTheFlashFileAndLeavesItUnchanged) {
    TempFolder dir;
    const std::string flash = dir.path("phone.shx");
    const auto file = TwoGroups();
    WriteBytes(flash, file);
    const auto stamp = fs::last_write_time(flash);
    // A longer file of the same name, once the answer allows it, is replaced, not appended to.
    WriteBytes(dir.path("phone{@0x10000000}CG4.smg"), PatternBytes(200000, 9));

    ExtractRecorder recorder;
    ExtractCallbacks callbacks = recorder.callbacks();
    callbacks.askEdited = [](const std::string&) { return EditedFileChoice::Replace; };
    const auto result = ShxExtractor(callbacks).SplitSHX(flash);
    ASSERT_FALSE(result.errorReported()) << (result.error ? result.error->message : std::string());

    EXPECT_EQ(ReadBytes(dir.path("phone.hdr")), std::vector<uint8_t>(file.begin(), file.begin() + 8172));
    EXPECT_EQ(ReadBytes(dir.path("phone{@0x03FC0000}RAMDLD.smg")), PatternBytes(5000, 1));
    EXPECT_EQ(ReadBytes(dir.path("phone{@0x10000000}CG4.smg")), PatternBytes(70000, 2));
    EXPECT_EQ(result.langpackPath, dir.path("phone{@0x10000000}CG4.smg"));
    EXPECT_EQ(result.filesCreated.size(), 3u);

    EXPECT_EQ(ReadBytes(flash), file);
    EXPECT_EQ(fs::last_write_time(flash), stamp);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.root()), fs::directory_iterator()), 4);
}

TEST(SplitSHXOnDisk, EmptyPathDoesNothing) {
    ExtractRecorder recorder;
    const auto result = ShxExtractor(recorder.callbacks()).SplitSHX(std::string());
    EXPECT_FALSE(result.errorReported());
    EXPECT_FALSE(result.headerAccepted);
    EXPECT_TRUE(recorder.statuses.empty());
}

TEST(SplitSHXOnDisk, FlashFileThatCannotBeOpened) {
    TempFolder dir;
    for (const std::string& path : {dir.path("missing.shx"), dir.root().string()}) {
        ExtractRecorder recorder;
        const auto result = ShxExtractor(recorder.callbacks()).SplitSHX(path);
        ASSERT_TRUE(result.error) << path;
        EXPECT_EQ(result.errorText, result.error->message) << path;
        EXPECT_EQ(result.errorText.rfind("cannot ", 0), 0u) << result.errorText;
        EXPECT_NE(result.errorText.find("'" + path + "': "), std::string::npos) << result.errorText;
        EXPECT_EQ(recorder.statuses.back(), result.errorText);
        EXPECT_EQ(recorder.headerAccepted, 0);
    }
}

TEST(SplitSHXOnDisk, CodeGroupFileThatCannotBeCreated) {
    TempFolder dir;
    const std::string flash = dir.path("phone.shx");
    WriteBytes(flash, TwoGroups());
    fs::create_directory(dir.path("phone{@0x10000000}CG4.smg"));  // a folder in the file's way

    const auto result = ShxExtractor().SplitSHX(flash);
    EXPECT_EQ(result.error->kind, ErrorKind::Io);
    EXPECT_EQ(result.errorText.rfind("cannot create '" + dir.path("phone{@0x10000000}CG4.smg") + "'", 0), 0u)
        << result.errorText;
    EXPECT_EQ(ReadBytes(dir.path("phone{@0x03FC0000}RAMDLD.smg")), PatternBytes(5000, 1));
    EXPECT_EQ(result.rows.size(), 1u);
}

TEST(SplitSHXOnDisk, NeverWritesOverTheFlashFileItself) {
    // A flash file named like the header file it would produce.
    TempFolder dir;
    const std::string flash = dir.path("phone.hdr");
    const auto file = TwoGroups();
    WriteBytes(flash, file);

    const auto result = ShxExtractor().SplitSHX(flash);
    EXPECT_EQ(result.error->kind, ErrorKind::Refused);
    EXPECT_NE(result.errorText.find("the flash file"), std::string::npos) << result.errorText;
    EXPECT_EQ(ReadBytes(flash), file);
}

// A second extraction over the files of a first: what it may replace, what it
// must ask about, and what it must never touch. Only the bytes decide: a flash
// file touched or copied again after the edit is newer, and the edit is still
// an edit.
TEST(SplitSHXOnDisk, ReExtractionKeepsEditsAndNeverCutsAFile) {
    enum class There { Older, Edited, Identical, Link, Fifo };
    enum class Flash { Whole, Touched, Cut, BadChecksum };
    struct Case {
        const char* name;
        There there;  // what holds the LangPack group's name before the run
        Flash flash;
        std::optional<EditedFileChoice> answer;  // none: the question is refused
        int asked;
        std::optional<ErrorKind> error;
        bool replaced;  // the name holds the group from the flash file afterwards
    };
    const Case cases[] = {
        {"an older file that differs is asked about",
         There::Older,
         Flash::Whole,
         EditedFileChoice::Replace,
         1,
         {},
         true},
        {"a cut flash file cuts no file", There::Older, Flash::Cut, {}, 0, ErrorKind::Malformed, false},
        {"a bad record empties no file", There::Older, Flash::BadChecksum, {}, 0, ErrorKind::Malformed, false},
        {"an edit, kept", There::Edited, Flash::Whole, EditedFileChoice::Keep, 1, {}, false},
        {"an edit, replaced", There::Edited, Flash::Whole, EditedFileChoice::Replace, 1, {}, true},
        {"an edit, refused", There::Edited, Flash::Whole, {}, 1, ErrorKind::Refused, false},
        {"an edit, the flash file touched since, refused",
         There::Edited,
         Flash::Touched,
         {},
         1,
         ErrorKind::Refused,
         false},
        {"an edit, the flash file touched since, kept",
         There::Edited,
         Flash::Touched,
         EditedFileChoice::Keep,
         1,
         {},
         false},
        {"the same bytes ask nothing", There::Identical, Flash::Whole, {}, 0, {}, true},
        {"the same bytes, the flash file touched, ask nothing", There::Identical, Flash::Touched, {}, 0, {}, true},
        {"a link is not followed", There::Link, Flash::Whole, {}, 0, ErrorKind::Refused, false},
        {"a FIFO is not opened", There::Fifo, Flash::Whole, {}, 0, ErrorKind::Refused, false},
    };
    const auto cg4Bytes = PatternBytes(70000, 2);
    const auto oldBytes = PatternBytes(200000, 9);
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const std::string flash = dir.path("phone.shx"), cg4 = dir.path("phone{@0x10000000}CG4.smg");
        const std::string victim = dir.path("victim");
        auto file = TwoGroups();
        if (c.flash == Flash::Cut) file.resize(file.size() - 3000);
        if (c.flash == Flash::BadChecksum) file[file.size() - 60] ^= 1;
        WriteBytes(flash, file);
        WriteBytes(victim, oldBytes);
        // What a killed extraction left (no process has that id) goes too.
        WriteBytes(dir.path(".glyphora-part-999999999-0"), oldBytes);
        switch (c.there) {
        case There::Older:
            WriteBytes(cg4, oldBytes);
            fs::last_write_time(cg4, hourAgo - std::chrono::hours(1));
            break;
        case There::Edited: WriteBytes(cg4, oldBytes); break;
        case There::Identical: WriteBytes(cg4, cg4Bytes); break;
        case There::Link: fs::create_symlink(victim, cg4); break;
        case There::Fifo: ASSERT_EQ(::mkfifo(cg4.c_str(), 0600), 0); break;
        }
        fs::last_write_time(flash, c.flash == Flash::Touched ? hourAgo + std::chrono::hours(2) : hourAgo);
        const auto stamp =
            fs::symlink_status(cg4).type() == fs::file_type::regular ? fs::last_write_time(cg4) : fs::file_time_type{};

        int asked = 0;
        ExtractCallbacks callbacks;
        if (c.answer)
            callbacks.askEdited = [&](const std::string& path) {
                EXPECT_EQ(path, cg4);
                ++asked;
                return *c.answer;
            };
        else
            callbacks.askEdited = [&](const std::string&) {
                ++asked;
                return EditedFileChoice::Refuse;
            };
        const ExtractResult result = ShxExtractor(callbacks).SplitSHX(flash);

        EXPECT_EQ(asked, c.asked);
        ASSERT_EQ(result.error.has_value(), c.error.has_value()) << (result.error ? result.error->message : "");
        if (c.error) {
            EXPECT_EQ(result.error->kind, *c.error);
            if (*c.error == ErrorKind::Refused) {
                EXPECT_NE(result.error->message.find(cg4), std::string::npos);
            }
            if (c.there == There::Edited) {
                EXPECT_NE(result.error->message.find("differs from the copy in the flash file"), std::string::npos)
                    << result.error->message;
            }
        }
        EXPECT_EQ(ReadBytes(victim), oldBytes);
        EXPECT_EQ(fs::symlink_status(cg4).type(), c.there == There::Link   ? fs::file_type::symlink
                                                  : c.there == There::Fifo ? fs::file_type::fifo
                                                                           : fs::file_type::regular);
        if (c.there == There::Link || c.there == There::Fifo) continue;
        EXPECT_EQ(ReadBytes(cg4), c.replaced ? cg4Bytes : oldBytes);
        if (!c.replaced || c.there == There::Identical) {
            EXPECT_EQ(fs::last_write_time(cg4), stamp);
        }
        // A kept file is still the langpack found, listed as it is.
        if (c.answer == EditedFileChoice::Keep) {
            EXPECT_EQ(result.langpackPath, cg4);
            EXPECT_EQ(result.rows.back().size, oldBytes.size());
        }
        for (const std::string& name : dir.entries())
            EXPECT_EQ(name.find(".glyphora-part-"), std::string::npos) << name << " left behind";
    }
}

}  // namespace
}  // namespace glyphora::shx::testing
