// "dump" and "info" against what the fixture builder put into each file.
#include "ToolFixtures.h"
#include "ToolTestSupport.h"

#include <gtest/gtest.h>

namespace glyphora::testing {
namespace {

class DumpOfFixture : public ::testing::TestWithParam<NamedFixture> {};

TEST_P(DumpOfFixture, MatchesWhatTheBuilderPutIn) {
    const NamedFixture& fixture = GetParam();
    const fixtures::BuiltLangpack built = fixtures::BuildLangpack(fixture.spec);
    TempFolder dir;
    const std::string path = dir.path(fixture.name + ".smg");
    WriteBytes(path, built.Bytes);

    ExpectSameJson(DumpOf(path), ExpectedDump(fixture.spec, built));
    EXPECT_EQ(ReadBytes(path), built.Bytes) << "dump must not touch the file";
}

INSTANTIATE_TEST_SUITE_P(AllKinds, DumpOfFixture, ::testing::ValuesIn(AllFixtures()),
                         [](const auto& p) { return p.param.name; });

TEST(Dump, LargeLangpackStaysSmallInMemory) {
    TempFolder dir;
    const std::string path = dir.path("large.smg");
    WriteBytes(path, fixtures::BuildLangpack(fixtures::LargeLangpack()).Bytes);
    const RunResult r = Tool({"dump", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_GT(r.out.size(), 500'000u);
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer's shadow memory makes the peak meaningless";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "AddressSanitizer's shadow memory makes the peak meaningless";
#endif
#endif
    EXPECT_LT(r.maxResidentKiB, 20 * 1024) << "peak resident memory of dump";
    std::printf("dump of the large fixture: %zu bytes of JSON, peak memory %ld KiB\n", r.out.size(), r.maxResidentKiB);
}

TEST(Info, ShowsHeaderLanguagesAndSets) {
    TempFolder dir;
    const std::string path = dir.path("typical.smg");
    WriteBytes(path, fixtures::BuildLangpack(fixtures::TypicalLangpack()).Bytes);
    const RunResult r = Tool({"info", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* expected : {
             "The general information:\n",
             "Langpack address  ",
             "10000000\n",
             "Generation flash  ",
             "04.06\n",
             "The version langpack  ",
             "0B\n",
             "Amount of languages in langpack  ",
             "The address of structure with the description of sets of fonts  1000",
             "Languages:\nID  Language    iTAP address  Addres\n",
             "01  US English  00000000      10200000\n",
             "23  Russian     00000000      10280000\n",
             "No.  Height  Glyphs  Description\n",
             "2    12      159     General font\n",
             "3    12      159     General font (the double, is not used)\n",
             "4    10      10      Small numbers for screensaver-clock\n",
         }) {
        EXPECT_NE(r.out.find(expected), std::string::npos) << "missing: " << expected << "\nin:\n" << r.out;
    }
}

}  // namespace
}  // namespace glyphora::testing
