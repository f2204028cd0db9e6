// glyphora-tool extract, run as a user runs it.
#include "ShxBuilder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace glyphora::shx::testing {
namespace {

using fixtures::PatternBytes;
using fixtures::ShxBuilder;
using fixtures::WriteBytes;
using ::glyphora::testing::TempFolder;

struct ToolRun {
    int status = -1;
    std::string out;
};

ToolRun RunExtract(const std::string& path, const std::string& options = {}) {
    const std::string command = std::string(GLYPHORA_TOOL) + " extract '" + path + "'" + options + " 2>&1";
    ToolRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> chunk{};
    for (std::size_t got; (got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0;)
        run.out.append(chunk.data(), got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(ExtractCommand, PrintsTheListAndTheFinalStatus) {
    TempFolder dir;
    ShxBuilder shx;
    shx.codeGroup(-1, 0x10000000, PatternBytes(16, 1)).codeGroup(4, 0x11000000, PatternBytes(256, 2));
    WriteBytes(dir.path("phone.shx"), shx.bytes());

    const ToolRun run = RunExtract(dir.path("phone.shx"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "CG\tFile name\tType CG\tStart address\tEnd address\tSize\n"
              "\t" +
                  dir.path("phone{@0x10000000}BootLDR.smg") +
                  "\tBoot Loader\t10000000\t1000000F\t16\n"
                  "4\t" +
                  dir.path("phone{@0x11000000}CG4.smg") +
                  "\tLangPack\t11000000\t110000FF\t256\n"
                  "Extracting done.\n");

    EXPECT_EQ(RunExtract(dir.path("missing.shx")).status, 1);
}

// A langpack extracted before and edited since is refused by name, and
// replaced only when asked to, also when the flash file was touched after the
// edit: set-glyph, then touch, then extract again.
TEST(ExtractCommand, AnEditedExtractionIsReplacedOnlyWithOverwrite) {
    ShxBuilder shx;
    shx.codeGroup(4, 0x11000000, PatternBytes(256, 2));
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const bool touched : {false, true}) {
        for (const bool overwrite : {false, true}) {
            SCOPED_TRACE(std::string(touched ? "touched" : "older") + (overwrite ? ", --overwrite" : ""));
            TempFolder dir;
            const std::string flash = dir.path("phone.shx"), cg4 = dir.path("phone{@0x11000000}CG4.smg");
            WriteBytes(flash, shx.bytes());
            ASSERT_EQ(RunExtract(flash).status, 0);
            auto edited = PatternBytes(256, 2);
            edited[0] ^= 0xF8;
            WriteBytes(cg4, edited);
            std::filesystem::last_write_time(flash, now + (touched ? std::chrono::hours(1) : -std::chrono::hours(1)));
            const ToolRun run = RunExtract(flash, overwrite ? " --overwrite" : "");
            EXPECT_EQ(run.status, overwrite ? 0 : 1) << run.out;
            EXPECT_EQ(fixtures::ReadBytes(cg4), overwrite ? PatternBytes(256, 2) : edited);
            if (!overwrite) {
                EXPECT_NE(run.out.find("glyphora-tool: cannot replace '" + cg4 +
                                       "': it differs from the copy in the flash file: it may hold edits "
                                       "(--overwrite replaces it)"),
                          std::string::npos)
                    << run.out;
            }
        }
    }
}

}  // namespace
}  // namespace glyphora::shx::testing
