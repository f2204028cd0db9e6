// The in-memory model of a langpack: header, languages, font sets, intervals
// and glyphs. Tables are sized to the file's own sets and glyphs.
#pragma once

// A glyph's Data are stored rows: their size per width comes from there.
#include <GlyphRows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace glyphora {

// Limits of what the model holds (and what a valid langpack has).
inline constexpr int kMaxSets = 21;
inline constexpr int kMaxIntervals = 100;  // slots 1..100 of the interval table
inline constexpr int kMaxSymbols = 1001;   // glyph indices 0..1000
inline constexpr int kMaxGlyphWidth = 15;

struct TLangpackHeader {
    int32_t LangpackAddress = 0;  // flash address of file offset 0
    uint8_t FlashGeneration[2] = {0, 0};
    uint8_t LangpackVersion = 0;
    uint8_t LanguageCount = 0;
    int32_t FontsAddress = 0;
    int32_t SetTableAddress = 0;
    int32_t FontAreaSize = 0;   // SetTableAddress - FontsAddress, as read at open
    bool FontInMiddle = false;  // set table before the first non-zero iTAP address
};

struct TLanguageEntry {
    uint32_t ID = 0;  // the four bytes as a little-endian number
    int32_t ITapAddress = 0;
    int32_t PackedStringsAddress = 0;
};

// The tallest set height a user may ask for, in the window and in the tool.
inline constexpr int kMaxHeight = 255;

struct TFontSetEntry {
    int32_t DataOffset = 0;
    uint16_t Height = 0;
    uint16_t DescriptorTableOffset = 0;
    uint16_t IntervalTableOffset = 0;
    uint16_t IntervalCount = 0;
    uint16_t Extra1 = 0;
    uint16_t Extra2 = 0;
    uint16_t Extra3 = 0;
    uint16_t SymbolCount = 0;  // not in the file: glyphs counted from the intervals

    bool operator==(const TFontSetEntry&) const = default;
};

struct TCharInterval {
    uint16_t FirstCode = 0;
    uint16_t LastCode = 0;
    uint16_t FirstIndex = 0;
    uint16_t DataBase = 0;
    // Interval 0 (held in the set record) counts only when it has a code.
    bool inUse() const { return FirstCode != 0 || LastCode != 0; }
    bool operator==(const TCharInterval&) const = default;
};

struct Symbols {
    uint16_t Code = 0;
    uint8_t Width = 0;
    uint16_t Offset = 0;
    uint32_t Interval = 0;      // 0 = interval 0 of the set record, else 1..100
    std::vector<uint8_t> Data;  // memory form: 0 = ink, 1 = paper

    bool operator==(const Symbols&) const = default;
};

enum class TSetTableForm { Framed, Packed };

struct TLangpack {
    TLangpackHeader Header;
    std::vector<TLanguageEntry> LanguageTable;

    std::vector<TFontSetEntry> FontSetTable;                // file order; set n is entry n-1
    std::vector<std::vector<TCharInterval>> IntervalTable;  // per set: slot 0 + IntervalCount slots
    std::vector<std::vector<Symbols>> SymbolTable;          // per set: SymbolCount glyphs

    TSetTableForm SetTableForm = TSetTableForm::Framed;
    std::vector<uint8_t> SetTableTail;  // bytes kept after the table, in file order
    bool SetTableAtEnd = false;
    bool Set3SharesSet2 = false;  // its data pointed at set 2's when read
    bool Set7SharesSet2 = false;

    uint16_t SetCount() const { return static_cast<uint16_t>(FontSetTable.size()); }
    // The glyphs of set `set` (0-based, as SymbolTable is indexed).
    std::vector<Symbols>& glyphs(int set) { return SymbolTable[static_cast<std::size_t>(set)]; }
    const std::vector<Symbols>& glyphs(int set) const { return SymbolTable[static_cast<std::size_t>(set)]; }
};

}  // namespace glyphora
