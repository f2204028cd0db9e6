// The blocks of "Characters of the set…" and what the user may type there.
#include <CodeRangeText.h>
#include <TextEncoding.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace glyphora {
namespace {

// The codes of a text written as letters; blanks only part them.
std::vector<uint16_t> Letters(std::u16string_view text) {
    std::vector<uint16_t> codes;
    for (char16_t c : text)
        if (c != u' ') codes.push_back(static_cast<uint16_t>(c));
    std::sort(codes.begin(), codes.end());
    return codes;
}

std::vector<uint16_t> CodesFrom(uint16_t first, uint16_t last) {
    std::vector<uint16_t> codes;
    for (uint32_t code = first; code <= last; ++code) codes.push_back(static_cast<uint16_t>(code));
    return codes;
}

// Each alphabet as its letters in pairs of capital and small letter, so that
// a letter missing in either case shows.
TEST(CodeRangeText, EachLanguageBlockHoldsItsWholeAlphabet) {
    struct Case {
        const char* block;
        std::u16string_view alphabet;
        std::size_t letters;
    } cases[] = {
        {"Russian",
         u"Аа Бб Вв Гг Дд Ее Ёё Жж Зз Ии Йй Кк Лл Мм Нн Оо Пп Рр Сс Тт Уу Фф Хх Цц Чч Шш Щщ Ъъ Ыы Ьь Ээ Юю Яя", 66},
        {"Ukrainian",
         u"Аа Бб Вв Гг Ґґ Дд Ее Єє Жж Зз Ии Іі Її Йй Кк Лл Мм Нн Оо Пп Рр Сс Тт Уу Фф Хх Цц Чч Шш Щщ Ьь Юю Яя", 66},
        {"Belarusian",
         u"Аа Бб Вв Гг Дд Ее Ёё Жж Зз Іі Йй Кк Лл Мм Нн Оо Пп Рр Сс Тт Уу Ўў Фф Хх Цц Чч Шш Ыы Ьь Ээ Юю Яя", 64},
        {"Serbian", u"Аа Бб Вв Гг Дд Ђђ Ее Жж Зз Ии Јј Кк Лл Љљ Мм Нн Њњ Оо Пп Рр Сс Тт Ћћ Уу Фф Хх Цц Чч Џџ Шш", 60},
        {"Macedonian", u"Аа Бб Вв Гг Дд Ѓѓ Ее Жж Зз Ѕѕ Ии Јј Кк Лл Љљ Мм Нн Њњ Оо Пп Рр Сс Тт Ќќ Уу Фф Хх Цц Чч Џџ Шш",
         62},
        {"Polish", u"Aa Ąą Bb Cc Ćć Dd Ee Ęę Ff Gg Hh Ii Jj Kk Ll Łł Mm Nn Ńń Oo Óó Pp Rr Ss Śś Tt Uu Ww Yy Zz Źź Żż",
         64},
        {"Czech",
         u"Aa Áá Bb Cc Čč Dd Ďď Ee Éé Ěě Ff Gg Hh Ii Íí Jj Kk Ll Mm Nn Ňň Oo Óó Pp Qq Rr Řř Ss Šš Tt Ťť Uu Úú "
         u"Ůů Vv Ww Xx Yy Ýý Zz Žž",
         82},
        {"Slovak",
         u"Aa Áá Ää Bb Cc Čč Dd Ďď Ee Éé Ff Gg Hh Ii Íí Jj Kk Ll Ĺĺ Ľľ Mm Nn Ňň Oo Óó Ôô Pp Qq Rr Ŕŕ Ss Šš "
         u"Tt Ťť Uu Úú Vv Ww Xx Yy Ýý Zz Žž",
         86},
        {"Hungarian",
         u"Aa Áá Bb Cc Dd Ee Éé Ff Gg Hh Ii Íí Jj Kk Ll Mm Nn Oo Óó Öö Őő Pp Qq Rr Ss Tt Uu Úú Üü Űű Vv Ww "
         u"Xx Yy Zz",
         70},
        {"Romanian", u"Aa Ăă Ââ Bb Cc Dd Ee Ff Gg Hh Ii Îî Jj Kk Ll Mm Nn Oo Pp Qq Rr Ss Șș Tt Țț Uu Vv Ww Xx Yy Zz",
         62},
        // The dotted and the dotless i are two letters, each with its own capital.
        {"Turkish", u"Aa Bb Cc Çç Dd Ee Ff Gg Ğğ Hh Iı İi Jj Kk Ll Mm Nn Oo Öö Pp Rr Ss Şş Tt Uu Üü Vv Yy Zz", 58},
        {"German", u"Aa Bb Cc Dd Ee Ff Gg Hh Ii Jj Kk Ll Mm Nn Oo Pp Qq Rr Ss Tt Uu Vv Ww Xx Yy Zz Ää Öö Üü ß", 59},
        {"Latvian",
         u"Aa Āā Bb Cc Čč Dd Ee Ēē Ff Gg Ģģ Hh Ii Īī Jj Kk Ķķ Ll Ļļ Mm Nn Ņņ Oo Pp Rr Ss Šš Tt Uu Ūū Vv Zz Žž", 66},
        {"Lithuanian",
         u"Aa Ąą Bb Cc Čč Dd Ee Ęę Ėė Ff Gg Hh Ii Įį Yy Jj Kk Ll Mm Nn Oo Pp Rr Ss Šš Tt Uu Ųų Ūū Vv Zz Žž", 64},
        {"Estonian", u"Aa Bb Cc Dd Ee Ff Gg Hh Ii Jj Kk Ll Mm Nn Oo Pp Qq Rr Ss Šš Zz Žž Tt Uu Vv Ww Õõ Ää Öö Üü Xx Yy",
         64},
    };
    for (const Case& c : cases) {
        const NamedBlock* block = FindBlock(c.block);
        ASSERT_NE(block, nullptr) << c.block;
        EXPECT_EQ(BlockCodes(*block), Letters(c.alphabet)) << c.block;
        EXPECT_EQ(BlockCodes(*block).size(), c.letters) << c.block;
        EXPECT_EQ(BlockSummary(*block), std::to_string(c.letters) + " letters") << c.block;
    }
    EXPECT_EQ(BlockSummary(*FindBlock("basic latin")), "U+0020\u2013U+007E");
}

TEST(CodeRangeText, AListTakesCharactersCodesRangesAndBlocks) {
    const std::vector<uint16_t> russian = BlockCodes(*FindBlock("Russian"));
    const std::vector<uint16_t> yo = {0x401, 0x451};
    struct Case {
        const char* typed;
        std::vector<uint16_t> codes;
    } cases[] = {
        {"\u0401, \u0451", yo},
        {"U+0401 U+0451", yo},
        {"0x451,1025,", yo},
        {"\u0410\u2013\u044F, \u0401, \u0451", russian},
        {"\u0410 \u2013 \u044F \u0401 \u0451", russian},
        {" russian ", russian},
        {"\u0401, Russian", russian},
        {"A..C, 5", {0x35, 0x41, 0x42, 0x43}},
        {"Basic Latin", CodesFrom(0x20, 0x7E)},
    };
    for (const Case& c : cases) {
        const Result<std::vector<uint16_t>> got = ParseCodeList(c.typed);
        ASSERT_TRUE(got) << c.typed << ": " << got.error().message;
        EXPECT_EQ(*got, c.codes) << c.typed;
    }
}

// A refusal quotes the entry that is wrong; one that is no form at all gets an
// example of every form.
TEST(CodeRangeText, ARefusalNamesTheEntryAndShowsTheForms) {
    const std::vector<std::string> forms = {"(\u0401)", "U+0401", "\u0410\u2013\u044F", "(Russian)",
                                            "(\u0410\u2013\u044F, \u0401, \u0451)"};
    struct Case {
        const char* typed;
        std::vector<std::string> said;
    } cases[] = {
        {"\u0401, Klingon", {"\"Klingon\" is not a character, a code, a range or a block"}},
        {"U+0401 xy", {"\"xy\""}},
        {"\u044F\u2013\u0410", {"\"\u044F\u2013\u0410\"", "reversed"}},
        {"U+1F600", {"\"U+1F600\"", "U+FFFF"}},
        {" , ", {"No characters were given"}},
        {"\xD0", {"not valid UTF-8"}},
    };
    for (const Case& c : cases) {
        const Result<std::vector<uint16_t>> got = ParseCodeList(c.typed);
        ASSERT_FALSE(got) << c.typed;
        const std::string& message = got.error().message;
        for (const std::string& part : c.said) EXPECT_NE(message.find(part), std::string::npos) << message;
        EXPECT_TRUE(message.ends_with(".") && !message.ends_with("..")) << message;
        EXPECT_TRUE(IsValidUtf8(message)) << c.typed;
    }
    const std::string unknown = ParseCodeList("Klingon").error().message;
    for (const std::string& form : forms) EXPECT_NE(unknown.find(form), std::string::npos) << form << " in " << unknown;
}

}  // namespace
}  // namespace glyphora
