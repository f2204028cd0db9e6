#include "LanguageFile.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace glyphora {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

const std::string kHead = "[Glyphora LanguagePack]\r\n[Version 1.0b]\r\n";

using Entries = std::vector<std::pair<int, std::string>>;

Entries EntriesOf(const LanguageFileContent& content) {
    Entries entries;
    for (const LanguageEntry& e : content.entries) entries.emplace_back(e.slot, e.text);
    return entries;
}

struct Case {
    const char* name;
    std::string file;
    bool headerOk;
    bool versionOk;
    Entries entries;
    int faultLine;  // 0: no format fault
};

TEST(LanguageFile, Cases) {
    const Case cases[] = {
        {"empty file", "", false, false, {}, 0},
        {"header in another case", "[Glyphora Languagepack]\r\n[Version 1.0b]\r\ns27=Size\r\n", false, false, {}, 0},
        {"header with a trailing blank",
         "[Glyphora LanguagePack] \r\n[Version 1.0b]\r\ns27=Size\r\n",
         false,
         false,
         {},
         0},
        {"header only", "[Glyphora LanguagePack]\r\n", true, false, {}, 0},
        {"one entry", kHead + "s27=Size\r\n", true, true, {{27, "Size"}}, 0},
        {"entry on line 2 is not stored",
         "[Glyphora LanguagePack]\r\ns27=Size\r\ns80=Text\r\n",
         true,
         false,
         {{80, "Text"}},
         0},
        {"other version is read",
         "[Glyphora LanguagePack]\r\n[Version 2.0]\r\ns27=Size\r\n",
         true,
         false,
         {{27, "Size"}},
         0},
        {"text kept exactly",
         kHead + "s27=a=b\r\ns78=  Insert text  \r\ns80=\r\n",
         true,
         true,
         {{27, "a=b"}, {78, "  Insert text  "}, {80, ""}},
         0},
        {"lines that are no entries",
         kHead + "x27=Size\r\ns27 Size\r\nS27=Size\r\n s27=Size\r\n\r\n; s27=x\r\n",
         true,
         true,
         {},
         0},
        {"slots at the edges, leading zero",
         kHead + "s0=zero\r\ns200=last\r\ns027=Size\r\n",
         true,
         true,
         {{0, "zero"}, {200, "last"}, {27, "Size"}},
         0},
        {"slots out of range are ignored",
         kHead + "s201=x\r\ns99999999999999999999=x\r\ns80=Text\r\n",
         true,
         true,
         {{80, "Text"}},
         0},
        {"trailing characters after the number",
         kHead + "s80=Text\r\ns27x=Size\r\ns78=Insert\r\n",
         true,
         true,
         {{80, "Text"}},
         4},
        {"no number", kHead + "s=Text\r\n", true, true, {}, 3},
        {"negative number", kHead + "s-1=Text\r\n", true, true, {}, 3},
        {"letters", kHead + "s1=One\r\nsABC=Text\r\n", true, true, {{1, "One"}}, 4},
        {"LF endings",
         "[Glyphora LanguagePack]\n[Version 1.0b]\ns27=Size\ns80=Text",
         true,
         true,
         {{27, "Size"}, {80, "Text"}},
         0},
        {"lone CR endings", "[Glyphora LanguagePack]\r[Version 1.0b]\rs27=Size\r", true, true, {{27, "Size"}}, 0},
        {"mixed endings, no CR kept in a text",
         kHead + "s27=Size\n\ns80=Text\r\r\ns78=Insert\r\n",
         true,
         true,
         {{27, "Size"}, {80, "Text"}, {78, "Insert"}},
         0},
        {"later entry follows the earlier", kHead + "s27=a\r\ns27=b\r\n", true, true, {{27, "a"}, {27, "b"}}, 0},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + kHead + "s27=Размер\r\n", true, true, {{27, "Размер"}}, 0},
        // "Размер ёЁ№" in Windows-1251.
        {"Windows-1251", kHead + "s27=\xD0\xE0\xE7\xEC\xE5\xF0 \xB8\xA8\xB9\r\n", true, true, {{27, "Размер ёЁ№"}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LanguageFileContent content = ParseLanguageFile(Bytes(c.file));
        EXPECT_EQ(content.headerOk, c.headerOk);
        EXPECT_EQ(content.versionOk, c.versionOk);
        EXPECT_EQ(EntriesOf(content), c.entries);
        EXPECT_EQ(content.formatFault, c.faultLine != 0);
        EXPECT_EQ(content.faultLine, c.faultLine);
    }
}

TEST(LanguageFile, LaterEntryWinsInTheSlots) {
    UiStrings strings;
    strings.set(80, "before");
    StoreEntries(ParseLanguageFile(Bytes(kHead + "s27=a\r\ns27=b\r\n")).entries, strings);
    EXPECT_EQ(strings.text(27), "b");
    EXPECT_EQ(strings.text(80), "before");
}

TEST(TextEncoding, OnlyStrictUtf8IsTakenAsUtf8) {
    const std::pair<std::string, bool> cases[] = {
        {"plain", true},
        {"Размер €𝄞", true},
        {"\xC0\x80", false},          // overlong NUL
        {"\xE0\x80\xAF", false},      // overlong '/'
        {"\xED\xA0\x80", false},      // surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xD0", false},              // cut short
        {"\xD0\xE0", false},          // 1251 text: "Ра"
    };
    for (const auto& [bytes, valid] : cases) EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes;
    // Every byte has a meaning, the one undefined byte included.
    EXPECT_EQ(Windows1251ToUtf8("\x80\x98\xFF"), "Ђ\xEF\xBF\xBDя");
}

}  // namespace
}  // namespace glyphora
