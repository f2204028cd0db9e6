// samples/demo.smg: reproducible from Unifont and readable by the tool.
#include "ToolTestSupport.h"

#include <gtest/gtest.h>
#include <QJsonArray>

#include <filesystem>
#include <set>

namespace glyphora::testing {
namespace {

const std::string kDemo = std::string(GLYPHORA_SAMPLES_DIR) + "/demo.smg";
const std::string kUnifont = "/usr/share/unifont/unifont.hex";

TEST(Demo, RegeneratesByteForByte) {
    if (!std::filesystem::exists(kUnifont)) GTEST_SKIP() << kUnifont << " is not installed (package unifont)";
    TempFolder dir;
    const std::string path = dir.path("demo.smg");
    const RunResult r = RunProgram(GLYPHORA_MAKE_DEMO, {"--unifont", kUnifont, path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(ReadBytes(path) == ReadBytes(kDemo)) << "samples/demo.smg differs from what make-demo writes now";
}

TEST(Demo, DumpsAsARealLookingLangpack) {
    const QJsonObject dump = DumpOf(kDemo);
    EXPECT_EQ(dump["set_table"].toObject()["form"].toString(), "framed");
    const QJsonArray sets = dump["sets"].toArray();
    ASSERT_EQ(sets.size(), 8);
    const QJsonObject general = sets[1].toObject();
    const QJsonObject twin = sets[2].toObject();
    EXPECT_EQ(general["description"].toString(), "General font");
    EXPECT_EQ(general["height"].toInt(), 16);
    EXPECT_GE(general["interval_count"].toInt(), 4);
    for (const char* key : {"data_offset", "descriptor_table_offset", "interval_table_offset"}) {
        EXPECT_EQ(twin[key], general[key]) << key;
    }
    std::set<int> heights;
    for (const QJsonValue& s : sets) {
        heights.insert(s.toObject()["height"].toInt());
        for (const QJsonValue& g : s.toObject()["glyphs"].toArray()) {
            const int width = g.toObject()["width"].toInt();
            EXPECT_TRUE(width >= 1 && width <= 15) << "width " << width;
        }
    }
    EXPECT_GE(heights.size(), 4u);
    std::set<int> languages;
    for (const QJsonValue& l : dump["languages"].toArray()) languages.insert(l.toObject()["id"].toInt());
    EXPECT_TRUE(languages.contains(0x01) && languages.contains(0x23));

    const RunResult info = Tool({"info", kDemo});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("Russian"), std::string::npos);
}

}  // namespace
}  // namespace glyphora::testing
