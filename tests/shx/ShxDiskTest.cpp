#include "ExtractRecorder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

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
    // A stale file of the same name is replaced, not appended to.
    WriteBytes(dir.path("phone{@0x10000000}CG4.smg"), PatternBytes(200000, 9));

    ExtractRecorder recorder;
    const auto result = ShxExtractor(recorder.callbacks()).SplitSHX(flash);
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

}  // namespace
}  // namespace glyphora::shx::testing
