// S-records written by the usual tools, wrapped into a flash file, come back
// out byte for byte.
#include "ExtractRecorder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace glyphora::shx::testing {
namespace {

using fixtures::PatternBytes;
using fixtures::ReadBytes;
using fixtures::ShxBuilder;
using fixtures::WriteBytes;
using ::glyphora::testing::TempFolder;

constexpr uint32_t kStart = 0x10000000;

bool HaveProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Keeps the S0, S3 and S7 lines of a tool's output, without their line ends.
std::vector<std::string> RecordLines(const std::vector<uint8_t>& srec) {
    std::vector<std::string> lines;
    std::istringstream text(std::string(srec.begin(), srec.end()));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 2 && line[0] == 'S' && (line[1] == '0' || line[1] == '3' || line[1] == '7'))
            lines.push_back(line);
    }
    return lines;
}

void ExpectRoundTrip(const std::string& program, const std::string& commandTemplate) {
    if (!HaveProgram(program)) GTEST_SKIP() << program << " is not installed (scripts/bootstrap installs it)";
    for (std::size_t size : {std::size_t{1}, std::size_t{100003}, std::size_t{(1u << 20) + 17}}) {
        TempFolder dir;
        const auto payload = PatternBytes(size, static_cast<uint32_t>(size));
        WriteBytes(dir.path("in.bin"), payload);
        std::string command = commandTemplate;
        for (const auto& [key, value] :
             {std::pair<std::string, std::string>{"IN", dir.path("in.bin")}, {"OUT", dir.path("out.srec")}})
            command.replace(command.find("{" + key + "}"), key.size() + 2, value);
        ASSERT_EQ(std::system((command + " 2>/dev/null").c_str()), 0) << command;

        const auto lines = RecordLines(ReadBytes(dir.path("out.srec")));
        ASSERT_GE(lines.size(), 3u);
        ASSERT_EQ(lines.front().substr(0, 2), "S0");
        ASSERT_EQ(lines.back().substr(0, 2), "S7");

        ShxBuilder shx;
        shx.slot(4, kStart, kStart + static_cast<uint32_t>(size) - 1).lines(lines);
        WriteBytes(dir.path("phone.shx"), shx.bytes());
        const auto result = ShxExtractor().SplitSHX(dir.path("phone.shx"));
        ASSERT_FALSE(result.errorReported())
            << program << " " << size << ": " << (result.error ? result.error->message : std::string());
        EXPECT_EQ(ReadBytes(result.langpackPath), payload) << program << " " << size;
    }
}

TEST(RealTools, ObjcopyRecords) {
    ExpectRoundTrip("objcopy",
                    "objcopy -I binary -O srec --srec-forceS3 --srec-len=32 --change-addresses 0x10000000 "
                    "{IN} {OUT}");
}

TEST(RealTools, SrecCatRecords) {
    ExpectRoundTrip("srec_cat",
                    "srec_cat {IN} -binary -offset 0x10000000 -o {OUT} -Motorola -address-length=4 -obs=32 "
                    "-disable=data-count -execution-start-address=0x10000000");
}

}  // namespace
}  // namespace glyphora::shx::testing
