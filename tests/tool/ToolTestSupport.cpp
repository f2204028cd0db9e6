#include "ToolTestSupport.h"

#include "LangpackReader.h"

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <stdlib.h>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace glyphora::testing {

using fixtures::BuiltLangpack;
using fixtures::IntervalSpec;
using fixtures::LangpackSpec;
using fixtures::SetSpec;
using fixtures::SetTableEnd;

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QJsonObject DumpOf(const std::string& path) {
    const RunResult r = Tool({"dump", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

namespace {

bool InUse(const IntervalSpec& iv) { return iv.FirstCode != 0 || iv.LastCode != 0; }

// The sets the fixture description asked for and where BuildLangpack placed them, seen the way a reader sees them.
class ExpectedSets {
public:
    ExpectedSets(const LangpackSpec& spec, const BuiltLangpack& built) : spec_(spec), built_(built) {}

    int64_t fontsRelative(std::size_t fileOffset) const {
        return static_cast<int64_t>(fileOffset - built_.FontsOffset) & 0xFFFF;
    }

    // Start of glyph g's bytes inside its set's data block.
    std::size_t position(std::size_t k, std::size_t g) const {
        return built_.Sets[k].GlyphOffsets[g] - built_.Sets[k].DataOffset;
    }

    int64_t dataBase(std::size_t k, const IntervalSpec& iv) const {
        if (iv.DataBase) return *iv.DataBase;
        return iv.FirstIndex < built_.Sets[k].GlyphOffsets.size()
                   ? static_cast<int64_t>(position(k, iv.FirstIndex) & 0xFFFF)
                   : 0;
    }

    QJsonObject interval(std::size_t k, int slot, const IntervalSpec& iv) const {
        return {{"slot", slot},
                {"first_code", iv.FirstCode},
                {"last_code", iv.LastCode},
                {"first_index", iv.FirstIndex},
                {"data_base", static_cast<double>(dataBase(k, iv))}};
    }

    QJsonArray glyphs(std::size_t k) const {
        const SetSpec& set = spec_.Sets[k];
        // Interval 0 first, then the table in order: the first that covers an index assigns it.
        std::vector<std::pair<int, const IntervalSpec*>> order;
        if (InUse(set.Interval0)) order.emplace_back(0, &set.Interval0);
        for (std::size_t j = 0; j < set.Intervals.size(); ++j)
            order.emplace_back(static_cast<int>(j + 1), &set.Intervals[j]);
        QJsonArray out;
        for (std::size_t g = 0; g < set.Glyphs.size(); ++g) {
            int number = -1;
            const IntervalSpec* holder = nullptr;
            for (const auto& [n, iv] : order) {
                if (g >= iv->FirstIndex &&
                    g <= static_cast<std::size_t>(iv->FirstIndex + (iv->LastCode - iv->FirstCode))) {
                    number = n;
                    holder = iv;
                    break;
                }
            }
            EXPECT_NE(holder, nullptr) << "the fixture leaves glyph " << g << " of set " << k + 1 << " without a code";
            if (holder == nullptr) continue;
            const int64_t offset = (static_cast<int64_t>(position(k, g)) - dataBase(k, *holder)) & 0xFFF;
            out.append(QJsonObject{{"index", static_cast<int>(g)},
                                   {"code", static_cast<int>(holder->FirstCode + (g - holder->FirstIndex))},
                                   {"width", set.Glyphs[g].Width},
                                   {"offset", static_cast<double>(offset)},
                                   {"interval", number},
                                   {"data", QString::fromStdString(Hex(set.Glyphs[g].Rows))}});
        }
        return out;
    }

    QJsonObject set(std::size_t k, bool set7SharesSet2) const {
        const SetSpec& s = spec_.Sets[k];
        const fixtures::SetLayout& where = built_.Sets[k];
        QJsonArray intervals;
        if (InUse(s.Interval0)) intervals.append(interval(k, 0, s.Interval0));
        for (std::size_t j = 0; j < s.Intervals.size(); ++j)
            intervals.append(interval(k, static_cast<int>(j + 1), s.Intervals[j]));
        return {{"number", static_cast<int>(k + 1)},
                {"description", QString::fromStdString(SetDescription(static_cast<int>(k + 1), set7SharesSet2))},
                {"data_offset", static_cast<double>(fontsRelative(where.DataOffset))},
                {"height", s.Height},
                {"descriptor_table_offset", static_cast<double>(fontsRelative(where.DescriptorTableOffset))},
                {"interval_table_offset", static_cast<double>(fontsRelative(where.IntervalTableOffset))},
                {"interval_count", static_cast<int>(s.Intervals.size())},
                {"extra1", s.Extra1},
                {"extra2", s.Extra2},
                {"extra3", s.Extra3},
                {"symbol_count", static_cast<int>(s.Glyphs.size())},
                {"intervals", intervals},
                {"glyphs", glyphs(k)}};
    }

private:
    const LangpackSpec& spec_;
    const BuiltLangpack& built_;
};

// The bytes a reader keeps after the set table, and whether the table ends the file.
std::pair<std::vector<uint8_t>, bool> ExpectedTail(const LangpackSpec& spec) {
    const bool framed = spec.Form == TSetTableForm::Framed;
    switch (spec.End) {
    case SetTableEnd::Word0001: return {{0x00, 0x00, 0x00, 0x01}, false};
    case SetTableEnd::Marker: {
        std::vector<uint8_t> tail = framed ? std::vector<uint8_t>{0xFF, 0xFF} : std::vector<uint8_t>{0x00, 0x00};
        const std::size_t kept = std::min<std::size_t>(4, spec.AfterEnd.size());
        tail.insert(tail.end(), spec.AfterEnd.begin(), spec.AfterEnd.begin() + static_cast<std::ptrdiff_t>(kept));
        return {tail, spec.AfterEnd.size() < 4};
    }
    case SetTableEnd::None: break;
    }
    // A packed table running to the end of the file is given the end word it lacked.
    if (framed) return {{}, true};
    return {{0x00, 0x00}, true};
}

}  // namespace

QJsonObject ExpectedDump(const LangpackSpec& spec, const BuiltLangpack& built) {
    const int32_t fonts = spec.LangpackAddress + static_cast<int32_t>(built.FontsOffset);
    const int32_t setTable = spec.LangpackAddress + static_cast<int32_t>(built.SetTableOffset);

    QJsonArray languages;
    int32_t firstITap = 0;
    for (std::size_t i = 0; i < spec.Languages.size(); ++i) {
        const fixtures::LanguageSpec& l = spec.Languages[i];
        const int32_t itap = i == 0 && spec.ITapAfterSetTable
                                 ? spec.LangpackAddress + static_cast<int32_t>(built.AfterEndOffset)
                                 : l.ITapAddress;
        if (firstITap == 0) firstITap = itap;
        char idText[16];
        std::snprintf(idText, sizeof idText, "%02X", l.Id);
        languages.append(QJsonObject{{"id", static_cast<double>(l.Id)},
                                     {"name", QString::fromStdString(LanguageNameById(idText))},
                                     {"itap_address", itap},
                                     {"packed_strings_address", l.PackedStringsAddress}});
    }
    const QJsonObject header{{"langpack_address", spec.LangpackAddress},
                             {"flash_generation", QJsonArray{spec.FlashGeneration[0], spec.FlashGeneration[1]}},
                             {"langpack_version", spec.LangpackVersion},
                             {"language_count", static_cast<int>(spec.Languages.size())},
                             {"fonts_address", fonts},
                             {"set_table_address", setTable},
                             {"font_area_size", setTable - fonts},
                             {"font_in_middle", firstITap != 0 && setTable < firstITap}};

    const bool set7SharesSet2 = spec.Sets.size() >= 7 && built.Sets[6].DataOffset == built.Sets[1].DataOffset;
    const auto [tail, atEnd] = ExpectedTail(spec);
    const QJsonObject setTableInfo{{"form", spec.Form == TSetTableForm::Framed ? "framed" : "packed"},
                                   {"tail", QString::fromStdString(Hex(tail))},
                                   {"at_end", atEnd},
                                   {"set7_shares_set2", set7SharesSet2}};

    const ExpectedSets sets(spec, built);
    QJsonArray setArray;
    for (std::size_t k = 0; k < spec.Sets.size(); ++k) setArray.append(sets.set(k, set7SharesSet2));

    return {{"header", header}, {"languages", languages}, {"set_table", setTableInfo}, {"sets", setArray}};
}

void ExpectSameJson(const QJsonValue& actual, const QJsonValue& expected, const std::string& path) {
    const std::string where = path.empty() ? "(top)" : path;
    if (actual.type() != expected.type()) {
        ADD_FAILURE() << where << ": type " << actual.type() << ", expected " << expected.type();
        return;
    }
    if (expected.isObject()) {
        const QJsonObject a = actual.toObject();
        const QJsonObject e = expected.toObject();
        for (const QString& key : e.keys()) {
            if (!a.contains(key))
                ADD_FAILURE() << where << ": missing key " << key.toStdString();
            else
                ExpectSameJson(a[key], e[key], path + (path.empty() ? "" : ".") + key.toStdString());
        }
        for (const QString& key : a.keys()) {
            if (!e.contains(key)) ADD_FAILURE() << where << ": unexpected key " << key.toStdString();
        }
    } else if (expected.isArray()) {
        const QJsonArray a = actual.toArray();
        const QJsonArray e = expected.toArray();
        if (a.size() != e.size()) {
            ADD_FAILURE() << where << ": " << a.size() << " elements, expected " << e.size();
            return;
        }
        for (qsizetype i = 0; i < e.size(); ++i) ExpectSameJson(a[i], e[i], path + "[" + std::to_string(i) + "]");
    } else if (actual != expected) {
        ADD_FAILURE() << where << ": " << QJsonDocument(QJsonArray{actual}).toJson(QJsonDocument::Compact).toStdString()
                      << ", expected "
                      << QJsonDocument(QJsonArray{expected}).toJson(QJsonDocument::Compact).toStdString();
    }
}

}  // namespace glyphora::testing
