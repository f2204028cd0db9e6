#include "SetBdf.h"

#include "LangpackEdit.h"

#include <GlyphRows.h>
#include <HexText.h>

#include <algorithm>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace glyphora {

namespace {

bool HasSet(const TLangpack& lp, int setIndex) {
    return setIndex >= 0 && static_cast<std::size_t>(setIndex) < lp.FontSetTable.size() &&
           static_cast<std::size_t>(setIndex) < lp.SymbolTable.size();
}

std::string UniName(uint16_t code) { return "uni" + UpperHex(code, 4); }

BdfProperty Number(std::string name, int value) { return {std::move(name), std::to_string(value), false}; }
BdfProperty String(std::string name, std::string value) { return {std::move(name), std::move(value), true}; }

}  // namespace

std::string BdfFontName(const std::string& langpackFileName, int setNumber) {
    std::string base = langpackFileName;
    if (const std::size_t slash = base.find_last_of("/\\"); slash != std::string::npos) base.erase(0, slash + 1);
    if (const std::size_t dot = base.rfind('.'); dot != std::string::npos && dot > 0) base.erase(dot);
    for (char& c : base) {
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                          c == '_' || c == '+' || c == '-';
        if (!kept) c = '_';
    }
    // A name that starts with '-' would read as an XLFD name.
    if (!base.empty() && base.front() == '-') base.front() = '_';
    if (base.empty()) base = "langpack";
    return base + "-set" + std::to_string(setNumber);
}

BdfFont SetToBdf(const TLangpack& lp, int setIndex, const std::string& fontName, int descent) {
    BdfFont font;
    font.Name = fontName;
    const int height = HasSet(lp, setIndex) ? lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height : 0;
    descent = std::clamp(descent, 0, height);
    // At 72 dpi a point is a pixel: the size is the set's height.
    font.PointSize = std::max(height, 1);
    font.ResolutionX = 72;
    font.ResolutionY = 72;
    font.Properties = {Number("FONT_ASCENT", height - descent), Number("FONT_DESCENT", descent),
                       String("CHARSET_REGISTRY", "ISO10646"), String("CHARSET_ENCODING", "1")};
    int widest = 0;
    if (HasSet(lp, setIndex)) {
        std::set<uint16_t> written;
        for (const Symbols& s : lp.glyphs(setIndex)) {
            if (!written.insert(s.Code).second) continue;
            const int width = std::min<int>(s.Width, kMaxGlyphWidth);
            BdfGlyph g;
            g.Name = UniName(s.Code);
            g.Encoding = s.Code;
            // SWIDTH is the advance in thousandths of the point size.
            g.SWidth = BdfVector{(width * 1000 + font.PointSize / 2) / font.PointSize, 0};
            g.DWidth = BdfVector{width, 0};
            if (width > 0) {
                g.Box = BdfBox{width, height, 0, -descent};
                g.Bitmap.assign(static_cast<std::size_t>(g.RowBytes()) * static_cast<std::size_t>(height), 0);
                const MonoImage image = GlyphRowsToImage(s.Data, width, height);
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x)
                        if (image.isInk(x, y))
                            g.Bitmap[static_cast<std::size_t>(y) * static_cast<std::size_t>(g.RowBytes()) +
                                     static_cast<std::size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
            widest = std::max(widest, width);
            font.Glyphs.push_back(std::move(g));
        }
    }
    font.BoundingBox = BdfBox{widest, height, 0, -descent};
    return font;
}

std::optional<int> BaselineDescent(std::optional<int> baselineRow, int height) {
    if (!baselineRow || *baselineRow < 0 || *baselineRow >= height) return std::nullopt;
    return height - (*baselineRow + 1);
}

int DefaultBdfShift(const BdfFont& font, int setHeight) {
    const int64_t rows = int64_t{BdfAscent(font)} + BdfDescent(font);
    return rows <= setHeight ? 0 : static_cast<int>(rows - setHeight);
}

BdfImportPlan PlanBdfImport(const TLangpack& lp, int setIndex, const BdfFont& font, std::optional<int> shift) {
    BdfImportPlan plan;
    if (!HasSet(lp, setIndex)) return plan;
    const int height = lp.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
    plan.Shift = shift.value_or(DefaultBdfShift(font, height));

    std::unordered_map<int32_t, const BdfGlyph*> byCode;
    std::unordered_set<int32_t> duplicated;
    for (const BdfGlyph& g : font.Glyphs)
        if (g.Encoding >= 0 && g.Encoding <= 0xFFFF && !byCode.emplace(g.Encoding, &g).second)
            duplicated.insert(g.Encoding);

    const int64_t ascent = BdfAscent(font);
    const std::vector<Symbols>& glyphs = lp.glyphs(setIndex);
    for (std::size_t index = 0; index < glyphs.size(); ++index) {
        const auto found = byCode.find(glyphs[index].Code);
        if (found == byCode.end()) {
            ++plan.Lacked;
            continue;
        }
        const BdfGlyph& g = *found->second;
        const uint16_t code = glyphs[index].Code;
        const int advance = BdfAdvance(font, g);
        const int width = advance <= 0 && !g.HasInk() ? 0 : std::clamp(advance, 1, kMaxGlyphWidth);
        if (advance > kMaxGlyphWidth) plan.CutTo15.push_back(code);
        if (advance <= 0 && width == 1) plan.MadeOneColumn.push_back(code);
        if (duplicated.count(code)) plan.Duplicated.push_back(code);
        MonoImage image(GlyphImageWidth(width), height);
        // Cell row y shows the font's pixel row whose top edge lies ascent - y - K
        // rows above the baseline; the bitmap's top row lies Box.Y + Box.Height
        // rows above it.
        for (int y = 0; y < height; ++y) {
            const int64_t row = int64_t{g.Box.Y} + g.Box.Height - ascent + y + plan.Shift;
            if (row < 0 || row >= g.Box.Height) continue;
            for (int x = 0; x < width; ++x)
                if (g.IsInk(x - g.Box.X, static_cast<int>(row))) image.setPixel(x, y, Pixel::Ink);
        }
        plan.Glyphs.push_back(BdfGlyphImport{static_cast<int>(index), static_cast<uint8_t>(width),
                                             GlyphImageToRows(image, width, height)});
    }
    plan.Replaced = static_cast<int>(plan.Glyphs.size());
    return plan;
}

std::vector<std::string> BdfImportNotes(const BdfImportPlan& plan) {
    const auto glyphs = [](std::size_t n) { return std::to_string(n) + (n == 1 ? " glyph" : " glyphs"); };
    std::vector<std::string> notes;
    if (!plan.CutTo15.empty())
        notes.push_back(glyphs(plan.CutTo15.size()) + " wider than 15 columns " +
                        (plan.CutTo15.size() == 1 ? "was" : "were") + " cut to 15: " + CodeNames(plan.CutTo15));
    if (!plan.MadeOneColumn.empty())
        notes.push_back(glyphs(plan.MadeOneColumn.size()) + " with ink but DWIDTH 0 " +
                        (plan.MadeOneColumn.size() == 1 ? "was" : "were") +
                        " made 1 column wide: " + CodeNames(plan.MadeOneColumn));
    if (!plan.Duplicated.empty())
        notes.push_back(
            std::to_string(plan.Duplicated.size()) + (plan.Duplicated.size() == 1 ? " code has" : " codes have") +
            " more than one glyph in the font (ENCODING repeated); the first was taken: " + CodeNames(plan.Duplicated));
    return notes;
}

std::vector<int> ApplyBdfImport(TLangpack& lp, int setIndex, const BdfImportPlan& plan) {
    std::set<int> changed;
    for (const BdfGlyphImport& g : plan.Glyphs)
        for (int k : StoreGlyph(lp, setIndex, g.GlyphIndex, g.Width, g.Data)) changed.insert(k);
    return {changed.begin(), changed.end()};
}

std::vector<uint16_t> BdfCodesLacking(const TLangpack& lp, int setIndex, const BdfFont& font) {
    std::set<uint16_t> lacking;
    if (!HasSet(lp, setIndex)) return {};
    for (const BdfGlyph& g : font.Glyphs)
        if (g.Encoding >= 0 && g.Encoding <= 0xFFFF) lacking.insert(static_cast<uint16_t>(g.Encoding));
    for (const Symbols& g : lp.glyphs(setIndex)) lacking.erase(g.Code);
    return {lacking.begin(), lacking.end()};
}

Result<RangeEdit> ImportBdfAddingMissing(TLangpack& lp, int setIndex, const BdfFont& font, std::optional<int> shift,
                                         BdfImportPlan& plan) {
    const std::vector<uint16_t> lacking = BdfCodesLacking(lp, setIndex, font);
    Result<RangeEdit> done = EditSetGlyphs(lp, setIndex, [&](TLangpack& copy) -> Result<RangeEdit> {
        std::vector<Symbols>& glyphs = copy.glyphs(setIndex);
        const int height = copy.FontSetTable[static_cast<std::size_t>(setIndex)].Height;
        // Placeholders of width 1 that the import below gives their own width and pixels.
        for (uint16_t code : lacking) {
            Symbols g;
            g.Code = code;
            g.Width = 1;
            g.Data.assign(GlyphDataSize(1, height), 0xFF);
            glyphs.push_back(std::move(g));
        }
        plan = PlanBdfImport(copy, setIndex, font, shift);
        ApplyBdfImport(copy, setIndex, plan);
        RangeEdit edit;
        // Nonzero when anything changed, so that the copy is kept.
        edit.changed = static_cast<int>(lacking.size()) + plan.Replaced;
        return edit;
    });
    if (!done)
        return MakeError(done.error().kind, "the font has " + std::to_string(lacking.size()) + " characters that set " +
                                                std::to_string(setIndex + 1) +
                                                " lacks, and adding them is refused: " + done.error().message);
    done->changed = static_cast<int>(lacking.size());
    return done;
}

}  // namespace glyphora
