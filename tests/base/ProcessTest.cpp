#include <Process.h>
#include <Utf8Path.h>

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace glyphora {
namespace {

Result<int> Probe(std::vector<std::string> arguments, ProcessOutput* output = nullptr, std::string folder = {},
                  std::chrono::milliseconds timeout = std::chrono::milliseconds{0}) {
    ProcessRequest request;
    request.program = PROCESS_PROBE;
    request.arguments = std::move(arguments);
    request.currentFolder = std::move(folder);
    request.timeout = timeout;
    return RunProcess(request, output);
}

TEST(Process, ArgumentsArriveAsTheyWereGiven) {
    const std::vector<std::string> given = {"plain",        "two words",  "",        "say \"hi\"",
                                            "C:\\folder\\", "a\\\"b c\\", "Шрифт Ж", "--height=-11"};
    std::vector<std::string> arguments = {"args"};
    arguments.insert(arguments.end(), given.begin(), given.end());
    ProcessOutput output;
    const Result<int> status = Probe(arguments, &output);
    ASSERT_TRUE(status) << status.error().message;
    std::string expected;
    for (const std::string& a : given) expected += "[" + a + "]\n";
    std::string got = output.out;
    std::erase(got, '\r');
    EXPECT_EQ(got, expected);
}

TEST(Process, ExitStatusFolderMissingProgramAndTimeLimit) {
    Result<int> status = Probe({"exit", "7"});
    ASSERT_TRUE(status) << status.error().message;
    EXPECT_EQ(*status, 7);

    testing::TempFolder folder;
    const std::string inside = Utf8FromPath(folder.root()) + "/Папка с пробелом";
    std::filesystem::create_directory(PathFromUtf8(inside));
    ProcessOutput output;
    status = Probe({"folder"}, &output, inside);
    ASSERT_TRUE(status) << status.error().message;
    std::string printed = output.out.substr(0, output.out.find_first_of("\r\n"));
    EXPECT_TRUE(std::filesystem::equivalent(PathFromUtf8(printed), PathFromUtf8(inside))) << printed;

    ProcessRequest missing;
    missing.program = folder.path("no-such-program");
    status = RunProcess(missing);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().kind, ErrorKind::Missing) << status.error().message;

    status = Probe({"hang"}, nullptr, {}, std::chrono::milliseconds{300});
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().message.find("did not end within"), std::string::npos) << status.error().message;
}

}  // namespace
}  // namespace glyphora
