// What the two systems name and allow differently, asked the same way on both.
#include "SystemPaths.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace glyphora {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

bool OnWindows() { return PathSeparators().find('\\') != std::string_view::npos; }

TEST(SystemPaths, FileNameStartsAfterTheLastSeparatorOfTheSystem) {
    struct Case {
        std::string_view path;
        std::size_t posix;
        std::size_t windows;
    } cases[] = {
        {"name.smg", 0, 0},      {"/a/b.c/name", 7, 7}, {"dir/", 4, 4},
        {"C:\\dir\\name", 0, 7}, {"C:name", 0, 2},      {"a\\b/c", 4, 4},
    };
    for (const Case& c : cases) EXPECT_EQ(FileNameStart(c.path), OnWindows() ? c.windows : c.posix) << c.path;
}

TEST(SystemPaths, AProgramFileIsARegularFileTheSystemWouldStart) {
    const TempFolder dir;
    const std::string plain = dir.writeText("plain", "text");
    const std::string program = dir.writeText("program", "#!/bin/sh\n");
    fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);
    EXPECT_TRUE(IsProgramFile(program));
    // Windows starts a file by its name, not by a bit.
    EXPECT_EQ(IsProgramFile(plain), OnWindows());
    EXPECT_FALSE(IsProgramFile(dir.root().string()));
    EXPECT_FALSE(IsProgramFile(dir.path("missing")));
}

TEST(SystemPaths, PrivateFoldersAreNewEachTimeAndARefusalNamesTheirPlace) {
    const TempFolder dir;
    const Result<std::string> first = MakePrivateFolder(dir.root().string(), "run-", "the test");
    const Result<std::string> second = MakePrivateFolder(dir.root().string(), "run-", "the test");
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    for (const std::string& made : {*first, *second}) {
        EXPECT_TRUE(fs::is_directory(made)) << made;
        EXPECT_EQ(fs::path(made).parent_path(), dir.root()) << made;
        EXPECT_TRUE(fs::path(made).filename().string().starts_with("run-")) << made;
    }
    const Result<std::string> refused = MakePrivateFolder(dir.path("missing"), "run-", "the test");
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().message.find("for the test in " + dir.path("missing")), std::string::npos)
        << refused.error().message;
}

}  // namespace
}  // namespace glyphora
