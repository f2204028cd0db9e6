#include "DemoLangpack.h"

#include "ByteOrder.h"
#include "GlyphCoding.h"
#include "GlyphShaper.h"
#include "Langpack.h"
#include "LangpackFormat.h"
#include "LangpackReader.h"
#include "LangpackWriter.h"
#include "UnifontHex.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

namespace glyphora::demo {

namespace {

constexpr int32_t kLangpackAddress = 0x10C00000;
constexpr std::size_t kStringsAt = 0x240;  // first byte after the header fields

struct DemoLanguage {
    uint8_t id;
    std::vector<std::u16string_view> words;  // stand-ins for the phone's packed strings
};

const DemoLanguage kLanguages[] = {
    {0x01, {u"Menu", u"Back", u"Select", u"Options", u"Messages", u"Contacts"}},
    {0x07, {u"Men\u00fc", u"Zur\u00fcck", u"Ausw\u00e4hlen", u"Optionen", u"Mitteilungen", u"Kontakte"}},
    {0x0A, {u"Men\u00fa", u"Atr\u00e1s", u"Elegir", u"Opciones", u"Mensajes", u"Contactos"}},
    {0x23,
     {u"\u041c\u0435\u043d\u044e", u"\u041d\u0430\u0437\u0430\u0434", u"\u0412\u044b\u0431\u043e\u0440",
      u"\u041e\u043f\u0446\u0438\u0438", u"\u0421\u043e\u043e\u0431\u0449\u0435\u043d\u0438\u044f",
      u"\u041a\u043e\u043d\u0442\u0430\u043a\u0442\u044b"}},
    {0x29,
     {u"\u041c\u0435\u043d\u044e", u"\u041d\u0430\u0437\u0430\u0434", u"\u0412\u0438\u0431\u0440\u0430\u0442\u0438",
      u"\u041e\u043f\u0446\u0456\u0457", u"\u041f\u043e\u0432\u0456\u0434\u043e\u043c\u043b\u0435\u043d\u043d\u044f",
      u"\u041a\u043e\u043d\u0442\u0430\u043a\u0442\u0438"}},
};

struct CodeRange {
    uint16_t first;
    uint16_t last;
};

// The first range becomes interval 0 in the set record, the others the set's
// interval table; glyph indices follow the ranges in this order.
struct SetPlan {
    ShapeRule rule;
    std::vector<CodeRange> ranges;
};

const std::vector<CodeRange> kAscii = {{0x20, 0x7E}};
const std::vector<CodeRange> kDialPad = {{0x23, 0x23}, {0x2A, 0x2B}, {0x30, 0x39}};

// Set 3 is left out here: it is saved as a copy of set 2.
const std::map<int, SetPlan> kSetPlans = {
    {1, {{12, 3, 1}, kAscii}},
    {2,
     {{16, 0, 1},
      {{0x20, 0x7E},
       {0xA0, 0xFF},
       {0x400, 0x40F},
       {0x410, 0x44F},
       {0x450, 0x45F},
       {0x2013, 0x2014},
       {0x2018, 0x201E},
       {0x2026, 0x2026},
       {0x20AC, 0x20AC},
       {0x2116, 0x2116},
       {0x2122, 0x2122}}}},
    {4, {{10, 4, 1}, {{0x30, 0x3A}}}},
    {5, {{12, 3, 1}, kDialPad}},
    {6, {{20, 4, 2}, kDialPad}},
    {7, {{14, 2, 1}, {{0x20, 0x7E}, {0x401, 0x401}, {0x410, 0x44F}, {0x451, 0x451}}}},
    {8, {{12, 3, 1}, {{0x20, 0x3A}, {0x41, 0x5A}}}},
};
constexpr int kSetCount = 8;

// Unifont draws the soft hyphen as a wide "SHY" box; a phone shows a hyphen.
uint32_t SourceCode(uint32_t code) { return code == 0xAD ? 0x2D : code; }

std::set<uint32_t> WantedCodes() {
    std::set<uint32_t> codes;
    for (const auto& [number, plan] : kSetPlans) {
        for (const CodeRange& r : plan.ranges) {
            for (uint32_t c = r.first; c <= r.last; ++c) {
                codes.insert(SourceCode(c));
            }
        }
    }
    return codes;
}

void PutBE16(std::vector<uint8_t>& out, uint16_t v) {
    out.resize(out.size() + 2);
    StoreBE16(out.data() + out.size() - 2, v);
}

void PutWords(std::vector<uint8_t>& out, const std::vector<std::u16string_view>& words) {
    PutBE16(out, static_cast<uint16_t>(words.size()));
    for (std::u16string_view w : words) {
        PutBE16(out, static_cast<uint16_t>(w.size()));
        for (char16_t c : w) {
            PutBE16(out, static_cast<uint16_t>(c));
        }
    }
    out.resize((out.size() + 3) / 4 * 4, 0);
}

int32_t FlashAddress(std::size_t offset) { return kLangpackAddress + static_cast<int32_t>(offset); }

// Header, language records, every language's strings and iTAP words, and an
// empty fonts area at the end of the file.
std::vector<uint8_t> BuildBaseImage() {
    std::vector<uint8_t> image(kStringsAt, 0);
    StoreBE32(image.data() + kFirstAddressOffset, static_cast<uint32_t>(FlashAddress(kFirstAddressFileOffset)));
    std::copy(kSignature.begin(), kSignature.end(), image.begin() + kSignatureOffset);
    image[kFlashGenerationOffset] = 0x04;  // flash generation 04.06
    image[kFlashGenerationOffset + 1] = 0x06;
    image[kLangpackVersionOffset] = 0x0B;
    image[kLanguageCountOffset] = static_cast<uint8_t>(std::size(kLanguages));

    std::vector<std::size_t> stringsAt;
    for (const DemoLanguage& l : kLanguages) {
        stringsAt.push_back(image.size());
        PutWords(image, l.words);
    }
    std::vector<std::size_t> itapAt;
    for (const DemoLanguage& l : kLanguages) {
        itapAt.push_back(image.size());
        image.insert(image.end(), {'i', 'T', 'A', 'P'});
        PutWords(image, l.words);
    }
    for (std::size_t i = 0; i < std::size(kLanguages); ++i) {
        uint8_t* record = image.data() + kLanguageTableOffset + i * kLanguageRecordSize;
        record[kLanguageIdField] = kLanguages[i].id;
        StoreBE32(record + kPackedStringsAddressField, static_cast<uint32_t>(FlashAddress(stringsAt[i])));
        StoreBE32(record + kITapAddressField, static_cast<uint32_t>(FlashAddress(itapAt[i])));
    }
    image.resize((image.size() + 15) / 16 * 16, 0);
    const int32_t fonts = FlashAddress(image.size());
    StoreBE32(image.data() + kFontsAddressOffset, static_cast<uint32_t>(fonts));
    StoreBE32(image.data() + kSetTableAddressOffset, static_cast<uint32_t>(fonts));
    return image;
}

void AddSet(TLangpack& lp, const SetPlan& plan, const std::map<uint32_t, UnifontGlyph>& font) {
    std::vector<TCharInterval> intervals;
    std::vector<Symbols> glyphs;
    for (const CodeRange& r : plan.ranges) {
        const uint32_t number = static_cast<uint32_t>(intervals.size());
        intervals.push_back({r.first, r.last, static_cast<uint16_t>(glyphs.size()), 0});
        for (uint32_t c = r.first; c <= r.last; ++c) {
            const ShapedGlyph shaped = ShapeGlyph(font.at(SourceCode(c)), plan.rule);
            Symbols glyph;
            glyph.Code = static_cast<uint16_t>(c);
            glyph.Width = static_cast<uint8_t>(shaped.width);
            glyph.Interval = number;
            glyph.Data = InvertRows(shaped.fileRows);
            glyphs.push_back(std::move(glyph));
        }
    }
    TFontSetEntry entry;
    entry.Height = static_cast<uint16_t>(plan.rule.height);
    entry.IntervalCount = static_cast<uint16_t>(intervals.size() - 1);
    entry.SymbolCount = static_cast<uint16_t>(glyphs.size());
    lp.FontSetTable.push_back(entry);
    lp.IntervalTable.push_back(std::move(intervals));
    lp.SymbolTable.push_back(std::move(glyphs));
}

// The saved image must read back to exactly the glyphs that were put in.
std::string Verify(const std::vector<uint8_t>& image, const TLangpack& expected) {
    const Result<TLangpack> read = ReadLangpack(image);
    if (!read) return "the built langpack does not read back: " + read.error().message;
    const TLangpack& got = *read;
    if (got.SetCount() != expected.SetCount()) {
        return "the built langpack reads back with " + std::to_string(got.SetCount()) + " sets";
    }
    for (std::size_t k = 0; k < expected.FontSetTable.size(); ++k) {
        const std::vector<Symbols>& a = expected.SymbolTable[k];
        const std::vector<Symbols>& b = got.SymbolTable[k];
        bool same = a.size() == b.size() && expected.FontSetTable[k].Height == got.FontSetTable[k].Height;
        for (std::size_t s = 0; same && s < a.size(); ++s) {
            same = a[s].Code == b[s].Code && a[s].Width == b[s].Width && a[s].Data == b[s].Data;
        }
        if (!same) {
            return "set " + std::to_string(k + 1) + " reads back with other glyphs";
        }
    }
    return {};
}

}  // namespace

DemoImage BuildDemoLangpack(const std::string& unifontHexPath) {
    DemoImage result;
    const UnifontLoad font = LoadUnifontHex(unifontHexPath, WantedCodes());
    if (!font.error.empty()) {
        result.error = font.error;
        return result;
    }
    const std::vector<uint8_t> base = BuildBaseImage();
    Result<LangpackHead> head = ReadHeadLang(base);
    if (!head) {
        result.error = "the demo header does not read back: " + head.error().message;
        return result;
    }
    TLangpack lp;
    lp.Header = head->Header;
    lp.LanguageTable = head->LanguageTable;
    lp.SetTableForm = TSetTableForm::Framed;
    lp.SetTableTail = {0xFF, 0xFF};
    lp.SetTableAtEnd = true;
    lp.Set3SharesSet2 = true;
    for (int number = 1; number <= kSetCount; ++number) {
        if (number == 3) {
            lp.FontSetTable.push_back(lp.FontSetTable[1]);
            lp.IntervalTable.push_back(lp.IntervalTable[1]);
            lp.SymbolTable.push_back(lp.SymbolTable[1]);
        } else {
            AddSet(lp, kSetPlans.at(number), font.glyphs);
        }
    }
    Result<std::vector<uint8_t>> saved = BuildSavedImage(lp, base);
    if (!saved) {
        result.error = "the demo fonts do not fit: " + saved.error().message;
        return result;
    }
    result.error = Verify(*saved, lp);
    if (result.error.empty()) {
        result.bytes = std::move(*saved);
    }
    return result;
}

}  // namespace glyphora::demo
