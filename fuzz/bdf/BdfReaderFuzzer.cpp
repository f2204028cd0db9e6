// Any bytes: the reader refuses them with a message naming a line, or reads
// a font that the writer writes so that it reads back as the same font, and
// whose text is written again byte for byte. A set of any height takes the
// font's glyphs without a fault.
#include "BdfReader.h"
#include "BdfWriter.h"
#include "GlyphCoding.h"
#include "SetBdf.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

using namespace glyphora;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_bdf_reader: %s\n", what);
    std::abort();
}

// One set of three glyphs with the codes most seeds use.
TLangpack SmallSet(uint16_t height) {
    TLangpack lp;
    lp.FontSetTable.resize(1);
    lp.FontSetTable[0].Height = height;
    lp.SymbolTable.resize(1);
    for (uint16_t code : {uint16_t{0x20}, uint16_t{0x41}, uint16_t{0x410}}) {
        Symbols g;
        g.Code = code;
        g.Width = 5;
        g.Data.assign(height, 0xFF);
        lp.SymbolTable[0].push_back(g);
    }
    return lp;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Result<BdfFont> first = ReadBdf(text);
    if (!first) {
        if (!first.error().message.starts_with("line ")) Fail("a refusal that names no line");
        return 0;
    }
    const std::string written = WriteBdf(*first);
    Result<BdfFont> second = ReadBdf(written);
    if (!second) Fail("the written font does not read");
    if (!(*second == *first)) Fail("the written font reads as another font");
    if (WriteBdf(*second) != written) Fail("a second write gives other text");

    const uint16_t height = static_cast<uint16_t>(size % 40);
    const TLangpack lp = SmallSet(height);
    const std::optional<int> shift = size % 3 == 0 ? std::nullopt : std::optional<int>(static_cast<int>(size % 11) - 5);
    const BdfImportPlan plan = PlanBdfImport(lp, 0, *first, shift);
    if (plan.Replaced + plan.Lacked != 3) Fail("the plan lost a glyph");
    for (const BdfGlyphImport& g : plan.Glyphs)
        if (g.Width > 15 || g.Data.size() != GlyphDataSize(g.Width, height)) Fail("a planned glyph of the wrong size");
    return 0;
}
