// A program's answer about itself is asked once per version of its file.
#include <FileAnswerMemo.h>

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

TEST(FileAnswerMemoTest, AsksAgainOnlyWhenTheFileChangedOrGaveNoAnswer) {
    testing::TempFolder folder;
    const std::string program = folder.path("renderer");
    std::ofstream(program) << "v1";
    FileAnswerMemo memo;
    int asked = 0;
    std::optional<std::string> reply = "batch";
    auto ask = [&] {
        ++asked;
        return reply;
    };
    struct Step {
        const char* what;
        std::function<void()> change;
        std::string answer;
        int askedSoFar;
    };
    const std::vector<Step> steps = {
        {"first", [] {}, "batch", 1},
        {"same file", [] {}, "batch", 1},
        {"longer file",
         [&] {
             std::ofstream(program) << "v22";
             reply = "batch fit";
         },
         "batch fit", 2},
        {"same size, newer time",
         [&] {
             std::ofstream(program) << "v33";
             fs::last_write_time(program, fs::last_write_time(program) + std::chrono::seconds(5));
             reply = "none";
         },
         "none", 3},
        {"no answer is not kept",
         [&] {
             std::ofstream(program) << "v4444";
             reply.reset();
         },
         "", 4},
        {"so it is asked again", [&] { reply = "batch"; }, "batch", 5},
        {"a file gone is asked each time", [&] { fs::remove(program); }, "batch", 6},
        {"still gone", [] {}, "batch", 7},
    };
    for (const Step& step : steps) {
        step.change();
        EXPECT_EQ(memo.answer(program, ask), step.answer) << step.what;
        EXPECT_EQ(asked, step.askedSoFar) << step.what;
    }
}

}  // namespace
}  // namespace glyphora
