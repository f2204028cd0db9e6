// "resave": reading and writing back without an edit.
#include "ToolFixtures.h"
#include "ToolTestSupport.h"

#include <gtest/gtest.h>
#include <QJsonArray>

namespace glyphora::testing {
namespace {

QJsonArray MapObjects(const QJsonArray& array, QJsonObject (*f)(QJsonObject)) {
    QJsonArray out;
    for (const QJsonValue& v : array) out.append(f(v.toObject()));
    return out;
}

// The dump without the places a save is free to choose (tables are packed anew).
QJsonObject WithoutLayout(QJsonObject dump) {
    QJsonObject header = dump["header"].toObject();
    header.remove("set_table_address");
    header.remove("font_area_size");
    dump["header"] = header;
    QJsonArray sets;
    for (const QJsonValue& v : dump["sets"].toArray()) {
        QJsonObject set = v.toObject();
        for (const char* key : {"data_offset", "descriptor_table_offset", "interval_table_offset"}) set.remove(key);
        set["intervals"] = MapObjects(set["intervals"].toArray(), [](QJsonObject o) {
            o.remove("data_base");
            return o;
        });
        set["glyphs"] = MapObjects(set["glyphs"].toArray(), [](QJsonObject o) {
            o.remove("offset");
            return o;
        });
        sets.append(set);
    }
    dump["sets"] = sets;
    return dump;
}

class ResaveOfFixture : public ::testing::TestWithParam<NamedFixture> {};

TEST_P(ResaveOfFixture, KeepsEveryGlyphAndIsStable) {
    const NamedFixture& fixture = GetParam();
    const std::vector<uint8_t> original = fixtures::BuildLangpack(fixture.spec).Bytes;
    TempFolder dir;
    const std::string path = dir.path("lp.smg");
    WriteBytes(path, original);
    const QJsonObject before = DumpOf(path);

    const RunResult first = Tool({"resave", path});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "");
    const std::vector<uint8_t> once = ReadBytes(path);
    if (fixture.canonical) {
        EXPECT_EQ(Hex(once), Hex(original)) << "a file in the saved layout must come back byte for byte";
    }

    QJsonObject after = WithoutLayout(DumpOf(path));
    QJsonObject expected = WithoutLayout(before);
    if (!fixture.canonical) {
        // An end word 00 01 is written back as 00 00 00 01, which reads as another end.
        for (QJsonObject* d : {&after, &expected}) {
            QJsonObject table = (*d)["set_table"].toObject();
            table.remove("tail");
            table.remove("at_end");
            (*d)["set_table"] = table;
        }
    }
    ExpectSameJson(after, expected);

    const RunResult second = Tool({"resave", path});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(Hex(ReadBytes(path)), Hex(once)) << "a second save without changes writes the same bytes";
    EXPECT_EQ(dir.entries().size(), 1u) << "no temporary file may be left behind";
}

INSTANTIATE_TEST_SUITE_P(AllKinds, ResaveOfFixture, ::testing::ValuesIn(AllFixtures()),
                         [](const auto& p) { return p.param.name; });

}  // namespace
}  // namespace glyphora::testing
