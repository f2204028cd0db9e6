#include <Process.h>
#include <Utf8Path.h>

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

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

Result<ChildProcess> StartProbe(std::vector<std::string> arguments, std::chrono::milliseconds timeout) {
    ProcessRequest request;
    request.program = PROCESS_PROBE;
    request.arguments = std::move(arguments);
    request.timeout = timeout;
    return ChildProcess::Start(request);
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

// The answer to each request is read before the next is written, as a
// renderer's batch goes.
TEST(Process, AChildAnswersEachLineAsItComes) {
    Result<ChildProcess> child = StartProbe({"echo"}, std::chrono::seconds{20});
    ASSERT_TRUE(child) << child.error().message;
    for (const char* line : {"first", "", "Шрифт"}) {
        ASSERT_TRUE(child->write(std::string(line) + "\n"));
        Result<std::string> answer = child->readLine(100);
        ASSERT_TRUE(answer) << answer.error().message;
        std::erase(*answer, '\r');  // the probe's stdout is in text mode on Windows
        EXPECT_EQ(*answer, "[" + std::string(line) + "]");
    }
    const Result<int> status = child->finish();
    ASSERT_TRUE(status) << status.error().message;
    EXPECT_EQ(*status, 0);
}

#ifdef _WIN32
// The program and what it started are in one job, which the time limit ends.
TEST(Process, TimeLimitEndsTheProgramAndWhatItStarted) {
    Result<ChildProcess> parent = StartProbe({"parent"}, std::chrono::milliseconds{1500});
    ASSERT_TRUE(parent) << parent.error().message;
    const Result<std::string> pid = parent->readLine(100);
    ASSERT_TRUE(pid) << pid.error().message;
    const HANDLE child = ::OpenProcess(SYNCHRONIZE, FALSE, std::stoul(*pid));
    ASSERT_NE(child, nullptr) << "the probe's child " << *pid << " is not running";
    const Result<int> status = parent->finish();
    ASSERT_FALSE(status);
    EXPECT_NE(status.error().message.find("did not end within"), std::string::npos) << status.error().message;
    EXPECT_EQ(::WaitForSingleObject(child, 5000), WAIT_OBJECT_0) << "the probe's child outlived the time limit";
    ::CloseHandle(child);
}
#else
// The POSIX runner against /bin/sh: output kept apart, signals, a script's children.
using namespace std::chrono_literals;
using ::glyphora::testing::TempFolder;

ProcessRequest Shell(const std::string& script) { return {"/bin/sh", {"-c", script}, "", 0ms, {}}; }

TEST(Process, ExitStatusAndOutput) {
    struct Case {
        const char* script;
        int status;
        const char* out;
        const char* err;
    };
    const Case cases[] = {{"exit 0", 0, "", ""},
                          {"exit 3", 3, "", ""},
                          {"exit 255", 255, "", ""},
                          {"echo out; echo err >&2; exit 1", 1, "out\n", "err\n"},
                          {"read line; echo \"[$line]\"", 0, "[]\n", ""}};  // stdin is the null device
    for (const Case& c : cases) {
        ProcessOutput output;
        const Result<int> status = RunProcess(Shell(c.script), &output);
        ASSERT_TRUE(status) << c.script << ": " << status.error().message;
        EXPECT_EQ(*status, c.status) << c.script;
        EXPECT_EQ(output.out, c.out) << c.script;
        EXPECT_EQ(output.err, c.err) << c.script;
    }
    // Without a place for the output it goes nowhere and the status still comes back.
    const Result<int> quiet = RunProcess(Shell("echo lost; exit 7"));
    ASSERT_TRUE(quiet);
    EXPECT_EQ(*quiet, 7);
}

TEST(Process, RunsInTheFolderItIsGiven) {
    const TempFolder folder;
    ProcessRequest request = Shell("pwd -P");
    request.currentFolder = folder.root().string();
    ProcessOutput output;
    ASSERT_TRUE(RunProcess(request, &output));
    EXPECT_EQ(output.out, std::filesystem::canonical(folder.root()).string() + "\n");
}

TEST(Process, WhatCannotRunIsAnErrorNamingIt) {
    const TempFolder folder;
    const std::string missing = folder.path("no-such-program");
    const std::string notExecutable = folder.writeText("plain.txt", "text");
    struct Case {
        ProcessRequest request;
        ErrorKind kind;
        std::string named;
    };
    const Case cases[] = {
        {{missing, {}, "", 0ms, {}}, ErrorKind::Missing, missing},
        {{notExecutable, {}, "", 0ms, {}}, ErrorKind::Failed, notExecutable},
        {{"/bin/sh", {"-c", "exit 0"}, folder.path("no-such-folder"), 0ms, {}}, ErrorKind::Missing, "no-such-folder"},
        {Shell("kill -KILL $$"), ErrorKind::Failed, "/bin/sh"},  // ended by a signal: no status to give
    };
    for (const Case& c : cases) {
        const Result<int> status = RunProcess(c.request);
        ASSERT_FALSE(status) << c.named;
        EXPECT_EQ(status.error().kind, c.kind) << status.error().message;
        EXPECT_NE(status.error().message.find(c.named), std::string::npos) << status.error().message;
    }
}

// Whether the process has ended: gone, or a zombie nobody has reaped yet.
bool Ended(const std::string& pid) {
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string field;
    if (!(stat >> field >> field >> field)) return true;
    return field == "Z" || field == "X";
}

TEST(Process, TimeLimitEndsTheProgramAndWhatItStarted) {
    const TempFolder folder;
    const std::string pidFile = folder.path("child.pid");
    ProcessRequest request = Shell("sleep 60 & echo $! > '" + pidFile + "'; wait");
    // Long enough for the shell to start its child on a loaded machine.
    request.timeout = 1500ms;
    const Result<int> status = RunProcess(request);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().kind, ErrorKind::Failed);
    ASSERT_TRUE(std::filesystem::exists(pidFile)) << "the shell did not start its child in time";
    const std::string pid = folder.readText(pidFile);
    ASSERT_FALSE(pid.empty());
    // The kill is sent before RunProcess returns; its delivery to the orphan is
    // not synchronous with our wait, so give it a moment.
    bool ended = false;
    for (int i = 0; i < 200 && !ended; ++i) {
        ended = Ended(pid.substr(0, pid.find('\n')));
        if (!ended) std::this_thread::sleep_for(10ms);
    }
    EXPECT_TRUE(ended) << "the shell's child " << pid << " outlived the time limit";
}
#endif

}  // namespace
}  // namespace glyphora
