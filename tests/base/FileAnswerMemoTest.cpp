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

// A change to the program file (or the store), then the answer and the count
// of questions asked so far.
struct Step {
    const char* what;
    std::function<void()> change;
    std::string answer;
    int askedSoFar;
};

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

// A second memo on the same store (the next run of the tool) asks only when
// the store lacks the file as it is now, or cannot be read as a store.
TEST(FileAnswerMemoTest, AStoreKeepsAnswersForTheNextRun) {
    testing::TempFolder folder;
    const std::string program = folder.path("renderer");
    const std::string other = folder.path("other renderer 2");
    const std::string store = folder.path("answers");
    std::ofstream(program) << "v1";
    std::ofstream(other) << "w1";
    int asked = 0;
    auto ask = [&](std::string reply) {
        return [&asked, reply] {
            ++asked;
            return std::optional<std::string>(reply);
        };
    };
    FileAnswerMemo(store).answer(program, ask("batch fit"));
    FileAnswerMemo(store).answer(other, ask(""));
    ASSERT_EQ(asked, 2);
    // The empty answer of a program whose path holds spaces is kept beside the first.
    EXPECT_EQ(FileAnswerMemo(store).answer(other, ask("asked")), "");
    const std::vector<Step> steps = {
        {"kept for the next run", [] {}, "batch fit", 2},
        {"the file changed",
         [&] {
             std::ofstream(program) << "v22";
             fs::last_write_time(program, fs::last_write_time(program) + std::chrono::seconds(5));
         },
         "new", 3},
        {"the new answer is the one kept", [] {}, "new", 3},
        {"a damaged store is asked past", [&] { std::ofstream(store) << "glyphora-answers 1\n12 x =00 =00\n"; }, "new",
         4},
        {"and written anew", [] {}, "new", 4},
        {"not a store at all", [&] { std::ofstream(store) << "\x89PNG"; }, "new", 5},
    };
    for (const Step& step : steps) {
        step.change();
        EXPECT_EQ(FileAnswerMemo(store).answer(program, ask("new")), step.answer) << step.what;
        EXPECT_EQ(asked, step.askedSoFar) << step.what;
    }
}

}  // namespace
}  // namespace glyphora
