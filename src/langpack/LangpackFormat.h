// The file form of a langpack, in one place: every offset and record size,
// and the field order of the set record and the interval record, written once
// and used both to read and to write them. Big-endian everywhere but the
// little-endian language ID.
#pragma once

#include "ByteOrder.h"
#include "Langpack.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace glyphora {

// --- header ---------------------------------------------------------------------------
inline constexpr std::size_t kMinLangpackSize = 600;     // a shorter file is not a langpack
inline constexpr std::size_t kFirstAddressOffset = 0;    // flash address of file offset 16
inline constexpr uint32_t kFirstAddressFileOffset = 16;  // ... so LangpackAddress = that value - 16
inline constexpr std::size_t kSignatureOffset = 4;
inline constexpr std::array<uint8_t, 4> kSignature = {0x00, 0x00, 0x00, 0xB1};
inline constexpr std::size_t kFlashGenerationOffset = 14;  // two bytes
inline constexpr std::size_t kLangpackVersionOffset = 19;
inline constexpr std::size_t kLanguageCountOffset = 20;
inline constexpr std::size_t kFontsAddressOffset = 564;
inline constexpr std::size_t kSetTableAddressOffset = 568;  // the only header field a save rewrites
inline constexpr std::size_t kHeaderEnd = kSetTableAddressOffset + 4;

// --- language records -------------------------------------------------------------------
inline constexpr std::size_t kLanguageTableOffset = 24;
inline constexpr std::size_t kLanguageRecordSize = 48;
inline constexpr std::size_t kLanguageIdField = 0;  // little-endian
inline constexpr std::size_t kPackedStringsAddressField = 4;
inline constexpr std::size_t kITapAddressField = 16;

inline constexpr std::size_t LanguageTableEnd(std::size_t languageCount) {
    return kLanguageTableOffset + kLanguageRecordSize * languageCount;
}

// --- the set table --------------------------------------------------------------------
inline constexpr std::size_t kSetRecordWords = 12;
inline constexpr std::size_t kSetRecordSize = 2 * kSetRecordWords;
inline constexpr std::size_t kFrameWordSize = 2;  // the zero words around a Framed record
inline constexpr std::size_t kFramedRecordSize = kSetRecordSize + 2 * kFrameWordSize;
inline constexpr uint16_t kEndWord0001 = 0x0001;   // ends the table in either form
inline constexpr uint16_t kFramedMarker = 0xFFFF;  // 0000 FFFF ends a Framed table

inline constexpr std::size_t SetRecordSize(TSetTableForm form) {
    return form == TSetTableForm::Framed ? kFramedRecordSize : kSetRecordSize;
}

// The twelve words of a set record in file order, as references into the
// model: `field` is called with each in turn, to read or to write it. The
// first word (DataOffset) is held as int32_t and the rest as uint16_t.
template <class Set, class Interval, class Field>
void ForEachSetRecordWord(Set& set, Interval& interval0, Field&& field) {
    field(set.DataOffset);
    field(set.Height);
    field(set.DescriptorTableOffset);
    field(set.IntervalTableOffset);
    field(set.Extra1);
    field(set.IntervalCount);
    field(interval0.FirstCode);
    field(interval0.LastCode);
    field(interval0.FirstIndex);
    field(interval0.DataBase);
    field(set.Extra2);
    field(set.Extra3);
}

// --- interval records and glyph descriptors ---------------------------------------------
inline constexpr std::size_t kIntervalRecordSize = 8;

template <class Interval, class Field>
void ForEachIntervalRecordWord(Interval& interval, Field&& field) {
    field(interval.FirstCode);
    field(interval.LastCode);
    field(interval.FirstIndex);
    field(interval.DataBase);
}

// A glyph's descriptor word: its offset in the top 12 bits, its width in the low 4.
inline constexpr std::size_t kDescriptorSize = 2;
inline constexpr uint32_t kMaxGlyphOffset = 0x0FFF;
inline constexpr uint16_t DescriptorWord(uint16_t offset, uint8_t width) {
    return static_cast<uint16_t>((offset << 4) | (width & 0x0F));
}
inline constexpr uint8_t DescriptorWidth(uint16_t word) { return static_cast<uint8_t>(word & 0x0F); }
inline constexpr uint16_t DescriptorOffset(uint16_t word) { return static_cast<uint16_t>(word >> 4); }

// --- records in bytes -------------------------------------------------------------------
// Unchecked: callers check the bounds first.
inline void ReadSetRecord(const uint8_t* at, TFontSetEntry& set, TCharInterval& interval0) {
    ForEachSetRecordWord(set, interval0, [&at](auto& field) {
        field = static_cast<std::remove_reference_t<decltype(field)>>(LoadBE16(at));
        at += 2;
    });
}
inline void WriteSetRecord(uint8_t* at, const TFontSetEntry& set, const TCharInterval& interval0) {
    ForEachSetRecordWord(set, interval0, [&at](const auto& field) {
        StoreBE16(at, static_cast<uint16_t>(field));
        at += 2;
    });
}
inline void ReadIntervalRecord(const uint8_t* at, TCharInterval& interval) {
    ForEachIntervalRecordWord(interval, [&at](uint16_t& field) {
        field = LoadBE16(at);
        at += 2;
    });
}
inline void WriteIntervalRecord(uint8_t* at, const TCharInterval& interval) {
    ForEachIntervalRecordWord(interval, [&at](const uint16_t& field) {
        StoreBE16(at, field);
        at += 2;
    });
}

}  // namespace glyphora
