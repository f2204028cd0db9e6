#include "GlyphTransforming.h"

#include <GlyphRows.h>
#include <HexText.h>
#include <Langpack.h>

#include <algorithm>

namespace glyphora {

namespace {

std::string Caption(GlyphTransform transform) { return std::string(DescribeTransform(transform).caption); }

}  // namespace

std::string InkDroppedText(GlyphTransform transform, int pixels) {
    return Caption(transform) + ": " + std::to_string(pixels) + (pixels == 1 ? " ink pixel" : " ink pixels") +
           " left the glyph and " + (pixels == 1 ? "was" : "were") + " dropped.";
}

std::string InkDroppedText(GlyphTransform transform, const TLangpack& lp, int set, const BatchResult& result) {
    std::vector<uint16_t> codes;
    for (int g : result.cut) codes.push_back(lp.glyphs(set)[static_cast<std::size_t>(g)].Code);
    const std::size_t n = codes.size();
    return Caption(transform) + ": ink left " + std::to_string(n) + (n == 1 ? " glyph" : " glyphs") +
           " and was dropped: " + CodeNames(codes) + ".";
}

void GlyphTransforming::TransformChosen(GlyphTransform transform, int from, int to, std::optional<int> baselineRow) {
    if (to <= from) {
        if (const std::optional<int> lost = TransformWorking(transform, baselineRow); lost && *lost > 0)
            session_.report().statusMessage(InkDroppedText(transform, *lost));
        return;
    }
    const BatchResult result = TransformGlyphs(transform, {from, to}, baselineRow);
    if (!result.cut.empty())
        session_.prompts().warning(InkDroppedText(transform, *session_.langpack(), session_.CurrentSet(), result));
}

std::optional<int> GlyphTransforming::TransformWorking(GlyphTransform transform, std::optional<int> baselineRow) {
    if (!session_.glyphShown()) return std::nullopt;
    return session_.editor().TransformImage(transform, baselineRow);
}

BatchResult GlyphTransforming::TransformGlyphs(GlyphTransform transform, GlyphRange range,
                                               std::optional<int> baselineRow) {
    Session& s = session_;
    const int set = s.CurrentSet();
    if (!s.langpack() || set < 0 || !s.QuestionSaveImage()) return {};
    const std::vector<Symbols>& glyphs = s.langpack()->glyphs(set);
    range = ClampRange(range, static_cast<int>(glyphs.size()));
    const int height = s.setHeight(set);
    BatchResult result;
    result.total = std::max(0, range.to - range.from + 1);
    Session::LangpackStep step = s.beginStep(Caption(transform), set);
    for (int g = range.from; g <= range.to; ++g) {
        const Symbols& glyph = glyphs[static_cast<std::size_t>(g)];
        const TransformedGlyph done = TransformGlyph(transform, GlyphRowsToImage(glyph.Data, glyph.Width, height),
                                                     glyph.Width, height, baselineRow, kMaxGlyphWidth);
        std::vector<uint8_t> rows = GlyphImageToRows(done.image, done.width, height);
        if (done.inkLost > 0) result.cut.push_back(g);
        ++result.done;
        if (done.width == glyph.Width && rows == glyph.Data) continue;
        s.StoreGlyph(set, g, static_cast<uint8_t>(done.width), rows);
        ++result.changed;
    }
    if (s.CurrentSymbol() >= range.from && s.CurrentSymbol() <= range.to) s.ReloadWorkingGlyph();
    step.commit(result.changed);
    return result;
}

}  // namespace glyphora
