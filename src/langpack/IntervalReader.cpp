// Intervals, glyph descriptors and glyph rows of every set. The intervals
// decide each glyph's code; the descriptors its width and where its rows are.
#include "LangpackReader.h"

#include "ByteSpan.h"
#include "GlyphCoding.h"
#include "LangpackFormat.h"

#include <HexText.h>

#include <algorithm>

namespace glyphora {

namespace {

std::string SetName(std::size_t k) { return "set " + std::to_string(k + 1); }

Error Malformed(std::string why) { return MakeError(ErrorKind::Malformed, std::move(why)); }

// Where a table or glyph of the fonts area lies in the file, refusing any
// place outside it. The name of what lies there is only made for the message.
template <typename Name>
Result<uint64_t> Place(std::span<const uint8_t> file, uint64_t fontsOffset, uint64_t offset, uint64_t length,
                       Name&& what) {
    const uint64_t at = fontsOffset + offset;
    if (!Fits(file, at, length))
        return Malformed(what() + " lies outside the file (offset " + HexOffset(at) + ", " + std::to_string(length) +
                         " bytes; the file has " + std::to_string(file.size()) + ")");
    return at;
}

struct IntervalUse {
    uint32_t slot;
    uint32_t firstIndex;
    uint32_t length;
};

// The intervals in use, checked one by one; their lengths give SymbolCount.
Result<std::vector<IntervalUse>> IntervalsInUse(const std::vector<TCharInterval>& intervals, std::size_t k) {
    std::vector<IntervalUse> used;
    uint32_t total = 0;
    for (std::size_t j = 0; j < intervals.size(); ++j) {
        const TCharInterval& iv = intervals[j];
        if (j == 0 && !iv.inUse()) continue;
        if (iv.LastCode < iv.FirstCode)
            return Malformed("interval " + std::to_string(j) + " of " + SetName(k) + " ends at code " +
                             CodeName(iv.LastCode) + ", below its first code " + CodeName(iv.FirstCode));
        const uint32_t length = uint32_t{iv.LastCode} - iv.FirstCode + 1;
        total += length;
        if (total > static_cast<uint32_t>(kMaxSymbols))
            return Malformed(SetName(k) + " has more than " + std::to_string(kMaxSymbols) + " glyphs");
        used.push_back({static_cast<uint32_t>(j), iv.FirstIndex, length});
    }
    return used;
}

// The intervals must give every glyph index from 0 on exactly one code.
Status CheckCoverage(std::vector<IntervalUse> used, std::size_t k) {
    std::sort(used.begin(), used.end(),
              [](const IntervalUse& a, const IntervalUse& b) { return a.firstIndex < b.firstIndex; });
    uint32_t next = 0;
    for (const IntervalUse& u : used) {
        if (u.firstIndex > next)
            return Malformed("glyphs " + std::to_string(next) + " to " + std::to_string(u.firstIndex - 1) + " of " +
                             SetName(k) + " belong to no interval");
        if (u.firstIndex < next)
            return Malformed("interval " + std::to_string(u.slot) + " of " + SetName(k) + " gives glyph " +
                             std::to_string(u.firstIndex) + " a second code");
        next = u.firstIndex + u.length;
    }
    return {};
}

// The rows of all glyphs are held in memory, and many glyphs may point at the
// same bytes of the file: a small file can claim gigabytes. The editor gives
// a glyph at most 255 rows of 2 bytes, so 21 sets of 1001 such glyphs take
// 10.7 MB; a langpack whose glyphs need more than this is refused unread.
constexpr uint64_t kMaxGlyphRowBytes = uint64_t{16} << 20;

Status ReadSetGlyphs(std::span<const uint8_t> file, uint64_t fontsOffset, TLangpack& lp, std::size_t k,
                     uint64_t& rowBytes) {
    TFontSetEntry& set = lp.FontSetTable[k];
    std::vector<TCharInterval>& intervals = lp.IntervalTable[k];
    if (set.IntervalCount > kMaxIntervals)
        return Malformed(SetName(k) + " has " + std::to_string(set.IntervalCount) + " intervals; at most " +
                         std::to_string(kMaxIntervals) + " are allowed");

    intervals.resize(1u + set.IntervalCount);
    if (set.IntervalCount > 0) {
        const Result<uint64_t> at =
            Place(file, fontsOffset, set.IntervalTableOffset, kIntervalRecordSize * set.IntervalCount,
                  [k] { return "the interval table of " + SetName(k); });
        if (!at) return at.error();
        for (std::size_t j = 1; j < intervals.size(); ++j)
            ReadIntervalRecord(file.data() + *at + kIntervalRecordSize * (j - 1), intervals[j]);
    }

    const Result<std::vector<IntervalUse>> inUse = IntervalsInUse(intervals, k);
    if (!inUse) return inUse.error();
    const std::vector<IntervalUse>& used = *inUse;
    if (Status covered = CheckCoverage(used, k); !covered) return covered;
    uint32_t count = 0;
    for (const IntervalUse& u : used) count += u.length;
    set.SymbolCount = static_cast<uint16_t>(count);

    std::vector<Symbols>& glyphs = lp.SymbolTable[k];
    glyphs.assign(count, Symbols{});
    for (const IntervalUse& u : used) {
        const uint16_t firstCode = intervals[u.slot].FirstCode;
        for (uint32_t i = 0; i < u.length; ++i) {
            Symbols& g = glyphs[u.firstIndex + i];
            g.Code = static_cast<uint16_t>(firstCode + i);
            g.Interval = u.slot;
        }
    }
    if (count == 0) return {};

    const Result<uint64_t> descriptors = Place(file, fontsOffset, set.DescriptorTableOffset, kDescriptorSize * count,
                                               [k] { return "the descriptor table of " + SetName(k); });
    if (!descriptors) return descriptors.error();
    ByteCursor c(file, static_cast<std::size_t>(*descriptors));
    for (Symbols& g : glyphs) {
        const uint16_t word = c.word();
        g.Width = DescriptorWidth(word);
        g.Offset = DescriptorOffset(word);
    }

    uint64_t setBytes = 0;
    for (const Symbols& g : glyphs) setBytes += GlyphDataSize(g.Width, set.Height);
    rowBytes += setBytes;
    if (rowBytes > kMaxGlyphRowBytes)
        return Malformed("the " + std::to_string(count) + " glyphs of " + SetName(k) + ", " +
                         std::to_string(set.Height) + " rows high, would take " + std::to_string(setBytes) +
                         " bytes of memory; the glyphs of a langpack may take " + std::to_string(kMaxGlyphRowBytes) +
                         " bytes at most");

    const uint64_t setData = static_cast<uint32_t>(set.DataOffset);
    for (std::size_t s = 0; s < count; ++s) {
        Symbols& g = glyphs[s];
        const uint64_t offset = setData + intervals[g.Interval].DataBase + g.Offset;
        const std::size_t size = GlyphDataSize(g.Width, set.Height);
        const Result<uint64_t> at = Place(file, fontsOffset, offset, size,
                                          [k, s] { return "glyph " + std::to_string(s) + " of " + SetName(k); });
        if (!at) return at.error();
        g.Data = InvertRows(file.subspan(static_cast<std::size_t>(*at), size));
    }
    return {};
}

}  // namespace

Status ReadIntervals(std::span<const uint8_t> file, TLangpack& lp) {
    const uint64_t fontsOffset = FileOffsetOf(lp.Header.FontsAddress, lp.Header.LangpackAddress);
    lp.IntervalTable.resize(lp.FontSetTable.size());
    lp.SymbolTable.resize(lp.FontSetTable.size());
    uint64_t rowBytes = 0;
    for (std::size_t k = 0; k < lp.FontSetTable.size(); ++k)
        if (Status read = ReadSetGlyphs(file, fontsOffset, lp, k, rowBytes); !read) return read;
    return {};
}

}  // namespace glyphora
