// Saving rebuilds the fonts area from the model: interval tables, descriptor
// tables and glyph data of every set that has its own, back to back from
// FontsAddress, then zero padding, the set table and the bytes kept after it.
// Of the header only the set table's address at offset 568 changes.
//
// Beyond the plain layout, a save is refused (nothing produced, the model as
// it was) when the result could not be read back as the same langpack: an
// offset past what its field holds (16-bit table offsets and DataBase, 12-bit
// glyph offsets, 4-bit widths), a model that disagrees with itself, a copy of
// set No. 2 whose intervals are not set No. 2's, a fonts area that would
// overwrite the header or the language records or start past the end of the
// file, a set table at the end of the file that would cut it below 600 bytes,
// or a fonts area in the middle of the langpack whose new set table would
// start later than the old one (counting the padding too, so the data after
// it are never overwritten). A set whose glyphs have outgrown their intervals
// is not refused but laid out anew (LayOutForSave); only one that would then
// need more than 100 intervals is.
#include "LangpackWriter.h"

#include "ByteOrder.h"
#include "ByteSpan.h"
#include "GlyphCoding.h"
#include "LangpackFormat.h"
#include "LangpackLayout.h"
#include "SaveChecks.h"
#include "SetSharing.h"

#include <algorithm>
#include <optional>

namespace glyphora {

namespace {

uint64_t FontsOffsetOf(const TLangpack& lp) { return FileOffsetOf(lp.Header.FontsAddress, lp.Header.LangpackAddress); }

uint16_t Low16(uint64_t v) { return static_cast<uint16_t>(v & 0xFFFF); }

// A copy of set No. 2 is whatever set No. 2 is: the file holds only set No. 2's
// tables and glyphs for it, and the model is made to say so.
void CopySet2Into(TLangpack& lp, std::size_t k) {
    const std::size_t g = kGeneralSetIndex;
    lp.FontSetTable[k].Height = lp.FontSetTable[g].Height;
    lp.FontSetTable[k].IntervalCount = lp.FontSetTable[g].IntervalCount;
    lp.FontSetTable[k].SymbolCount = lp.FontSetTable[g].SymbolCount;
    lp.IntervalTable[k] = lp.IntervalTable[g];
    lp.SymbolTable[k] = lp.SymbolTable[g];
}

class ImageWriter {
public:
    explicit ImageWriter(std::vector<uint8_t>& image) : image_(image) {}
    uint8_t* at(uint64_t offset) { return image_.data() + offset; }
    void word(uint64_t offset, uint16_t w) { StoreBE16(at(offset), w); }
    void zeros(uint64_t offset, uint64_t n) {
        std::fill_n(image_.begin() + static_cast<std::ptrdiff_t>(offset), n, uint8_t{0});
    }
    void inverted(uint64_t offset, const std::vector<uint8_t>& rows) { InvertRowsInto(rows, at(offset)); }
    void bytes(uint64_t offset, const std::vector<uint8_t>& b) {
        std::copy(b.begin(), b.end(), image_.begin() + static_cast<std::ptrdiff_t>(offset));
    }

private:
    std::vector<uint8_t>& image_;
};

int32_t Clamped32(uint64_t v) { return static_cast<int32_t>(std::min<uint64_t>(v, INT32_MAX)); }

// Every glyph's Offset and every interval's DataBase as the layout places
// them; the copies of set No. 2 become set No. 2.
void ReculcShift(TLangpack& lp, const LangpackLayout& layout) {
    for (std::size_t k = 0; k < lp.FontSetTable.size(); ++k) {
        if (!layout.Written[k]) continue;
        std::vector<Symbols>& glyphs = lp.SymbolTable[k];
        for (std::size_t s = 0; s < glyphs.size(); ++s) glyphs[s].Offset = Low16(layout.GlyphOffset[k][s]);
        std::vector<TCharInterval>& intervals = lp.IntervalTable[k];
        for (std::size_t j = 0; j < intervals.size(); ++j)
            if (layout.DataBase[k][j]) intervals[j].DataBase = Low16(*layout.DataBase[k][j]);
    }
    for (std::size_t k = 0; k < lp.FontSetTable.size(); ++k)
        if (!layout.Written[k]) CopySet2Into(lp, k);
}

// The fonts area, the set table and its tail over a copy of `current`; the
// model's table offsets and SetTableAddress follow. The plan's checks make
// every 16-bit cut below exact.
std::vector<uint8_t> WriteIntervals(TLangpack& lp, const LangpackLayout& layout, uint64_t fonts,
                                    std::span<const uint8_t> current) {
    const std::size_t n = lp.FontSetTable.size();
    std::vector<uint8_t> image(current.begin(), current.end());
    const uint64_t end = fonts + layout.End;
    image.resize(std::max<uint64_t>({image.size(), end, kHeaderEnd}), 0);
    ImageWriter out(image);

    for (std::size_t k = 0; k < n; ++k) {
        TFontSetEntry& set = lp.FontSetTable[k];
        set.IntervalTableOffset = Low16(layout.Sets[k].IntervalTable);
        set.DescriptorTableOffset = Low16(layout.Sets[k].DescriptorTable);
        set.DataOffset = Low16(layout.Sets[k].Data);
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (!layout.Written[k]) continue;
        uint64_t at = fonts + layout.Sets[k].IntervalTable;
        for (std::size_t j = 1; j <= WrittenIntervalCount(lp, k); ++j, at += kIntervalRecordSize)
            WriteIntervalRecord(out.at(at), lp.IntervalTable[k][j]);
        at = fonts + layout.Sets[k].DescriptorTable;
        for (const Symbols& g : lp.SymbolTable[k]) {
            out.word(at, DescriptorWord(g.Offset, g.Width));
            at += kDescriptorSize;
        }
    }
    uint64_t dataAt = layout.TablesEnd;
    for (std::size_t k = 0; k < n; ++k) {
        if (!layout.Written[k]) continue;
        out.zeros(fonts + dataAt, layout.Sets[k].Data - dataAt);
        dataAt = layout.Sets[k].Data;
        for (const Symbols& g : lp.SymbolTable[k]) {
            out.inverted(fonts + dataAt, g.Data);
            dataAt += g.Data.size();
        }
    }
    out.zeros(fonts + layout.DataEnd, layout.SetTable - layout.DataEnd);

    const uint64_t table = fonts + layout.SetTable;
    lp.Header.SetTableAddress =
        static_cast<int32_t>(static_cast<uint32_t>(table) + static_cast<uint32_t>(lp.Header.LangpackAddress));
    const bool framed = lp.SetTableForm == TSetTableForm::Framed;
    uint64_t at = table;
    for (std::size_t k = 0; k < n; ++k) {
        if (framed) {
            out.word(at, 0);
            at += kFrameWordSize;
        }
        WriteSetRecord(out.at(at), lp.FontSetTable[k],
                       lp.IntervalTable[k].empty() ? TCharInterval{} : lp.IntervalTable[k][0]);
        at += kSetRecordSize;
        if (framed) {
            out.word(at, 0);
            at += kFrameWordSize;
        }
    }
    out.bytes(at, lp.SetTableTail);
    at += lp.SetTableTail.size();
    if (lp.SetTableAtEnd) image.resize(at);
    StoreBE32(image.data() + kSetTableAddressOffset, static_cast<uint32_t>(lp.Header.SetTableAddress));
    return image;
}

// The bytes by which the rebuilt fonts area would overrun the room of an area
// in the middle of the langpack; zero or less when it fits (or nothing follows it).
int64_t MiddleExcess(const TLangpack& lp, const LangpackLayout& layout) {
    if (!lp.Header.FontInMiddle) return 0;
    const int64_t room = lp.Header.FontAreaSize;
    const int64_t required = static_cast<int64_t>(layout.RequiredFontSize);
    const int64_t table = static_cast<int64_t>(layout.SetTable);
    return required > room ? required - room : table - room;
}

bool OutgrowsIntervals(const LangpackLayout& layout, std::size_t k) {
    const std::vector<uint64_t>& offsets = layout.GlyphOffset[k];
    return std::any_of(offsets.begin(), offsets.end(), [](uint64_t offset) { return offset > kMaxGlyphOffset; });
}

// The model a save writes, and its layout. Widening glyphs or raising a set's
// height can push a glyph more than 4095 bytes past the first glyph of its
// interval, which no descriptor can say; such a set gets its intervals laid
// out anew, by the rule adding characters follows. Every other set, and so a
// langpack whose layout fits, is written exactly as it is.
struct SaveLayout {
    std::optional<TLangpack> relaid;  // the model with those sets laid out anew; empty when none was
    LangpackLayout layout;
    const TLangpack& model(const TLangpack& lp) const { return relaid ? *relaid : lp; }
};

Result<SaveLayout> LayOutForSave(const TLangpack& lp, uint64_t fonts) {
    SaveLayout out{std::nullopt, ComputeLayout(lp, fonts)};
    for (std::size_t k = 0; k < lp.FontSetTable.size(); ++k) {
        if (!out.layout.Written[k] || !OutgrowsIntervals(out.layout, k)) continue;
        if (!out.relaid) out.relaid = lp;
        if (Status laidOut = LayOutRuns(*out.relaid, k); !laidOut)
            return MakeError(ErrorKind::Refused, laidOut.error().message +
                                                     " (its glyphs have outgrown their intervals: a glyph may start "
                                                     "at most " +
                                                     std::to_string(kMaxGlyphOffset) +
                                                     " bytes after the first glyph of its interval)");
    }
    if (!out.relaid) return out;
    for (std::size_t k = 0; k < lp.FontSetTable.size(); ++k)
        if (!out.layout.Written[k]) CopySet2Into(*out.relaid, k);
    out.layout = ComputeLayout(*out.relaid, fonts);
    return out;
}

// For the figures a langpack shows before it is saved: the layout a save
// would make, or the plain one when the save would be refused anyway.
LangpackLayout ExpectedLayout(const TLangpack& lp) {
    Result<SaveLayout> planned = LayOutForSave(lp, FontsOffsetOf(lp));
    return planned ? std::move(planned->layout) : ComputeLayout(lp, FontsOffsetOf(lp));
}

}  // namespace

std::optional<int64_t> FontAreaRoomLeft(const TLangpack& lp) {
    if (!lp.Header.FontInMiddle) return std::nullopt;
    return -MiddleExcess(lp, ExpectedLayout(lp));
}

Status CheckSavable(const TLangpack& lp) {
    if (Status ok = CheckModel(lp); !ok) return ok;
    Result<SaveLayout> planned = LayOutForSave(lp, FontsOffsetOf(lp));
    if (!planned) return planned.error();
    const LangpackLayout& layout = planned->layout;
    if (Status ok = CheckLayoutLimits(planned->model(lp), layout, FontsOffsetOf(lp)); !ok) return ok;
    if (const int64_t excess = MiddleExcess(lp, layout); excess > 0)
        return MakeError(ErrorKind::Refused, "the fonts area lies in the middle of the langpack: it would need " +
                                                 std::to_string(int64_t{lp.Header.FontAreaSize} + excess) +
                                                 " bytes, but has room for " + std::to_string(lp.Header.FontAreaSize) +
                                                 " (" + std::to_string(excess) + " too many)");
    return {};
}

int32_t RequiredFontSize(const TLangpack& lp) { return Clamped32(ExpectedLayout(lp).RequiredFontSize); }

Result<SavePlan> PlanSave(const TLangpack& lp, std::span<const uint8_t> current) {
    if (Status ok = CheckModel(lp); !ok) return ok.error();
    if (Status ok = CheckFontsArea(lp, current.size()); !ok) return ok.error();

    const uint64_t fonts = FontsOffsetOf(lp);
    Result<SaveLayout> planned = LayOutForSave(lp, fonts);
    if (!planned) return planned.error();
    if (Status ok = CheckLayoutLimits(planned->model(lp), planned->layout, fonts); !ok) return ok.error();

    if (const int64_t excess = MiddleExcess(lp, planned->layout); excess > 0)
        return MakeError(ErrorKind::Refused,
                         FontInMiddleMessage(static_cast<int32_t>(std::min<int64_t>(excess, INT32_MAX))));
    TLangpack model = planned->relaid ? std::move(*planned->relaid) : TLangpack(lp);
    return SavePlan(std::move(model), std::move(planned->layout), fonts, current.size());
}

// The one way into a plan's parts.
struct SavePlanWriter {
    static Result<SavedImage> Write(SavePlan plan, std::span<const uint8_t> current) {
        if (current.size() != plan.fileSize_)
            return MakeError(ErrorKind::Refused, "the save was planned for a file of " +
                                                     std::to_string(plan.fileSize_) + " bytes, not " +
                                                     std::to_string(current.size()));
        SavedImage saved;
        saved.langpack = std::move(plan.model_);
        ReculcShift(saved.langpack, plan.layout_);
        saved.image = WriteIntervals(saved.langpack, plan.layout_, plan.fontsOffset_, current);
        return saved;
    }
};

Result<SavedImage> WritePlan(SavePlan plan, std::span<const uint8_t> current) {
    return SavePlanWriter::Write(std::move(plan), current);
}

Result<std::vector<uint8_t>> BuildSavedImage(TLangpack& lp, std::span<const uint8_t> current) {
    Result<SavePlan> plan = PlanSave(lp, current);
    if (!plan) return plan.error();
    Result<SavedImage> saved = WritePlan(std::move(*plan), current);
    if (!saved) return saved.error();
    lp = std::move(saved->langpack);
    return std::move(saved->image);
}

std::string FontInMiddleMessage(int32_t excessBytes) {
    return "The font is in the middle langpack and the size of a kept font more, than initial on " +
           std::to_string(excessBytes) +
           " byte, therefore preservation is impossible! Reduce the genera size of a font.";
}

}  // namespace glyphora
