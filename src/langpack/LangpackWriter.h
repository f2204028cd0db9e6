// Builds the complete new file image of a langpack from the model and the
// file's current bytes. Nothing is written to disk here.
#pragma once

#include "Langpack.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace glyphora {

struct SaveResult {
    bool ok = false;
    std::string message;            // why the save was refused
    int32_t RequiredFontSize = 0;
    std::vector<uint8_t> image;     // the whole new file, when ok
};

// Recomputes every descriptor offset and interval DataBase; returns
// RequiredFontSize. The copies of set No. 2 (see SetSharing.h) become set
// No. 2's height, intervals and glyphs, as the saved file will hold them.
int32_t ReculcShift(TLangpack& lp);

// Lays out the fonts area, the set table and its tail over a copy of `current`
// and updates the model's table offsets and SetTableAddress.
std::vector<uint8_t> WriteIntervals(TLangpack& lp, std::span<const uint8_t> current);

// ReculcShift, the FontInMiddle room check and the limits of the file form,
// then WriteIntervals. On refusal (message says why, naming the set or glyph)
// nothing is produced and the model is left exactly as it was. On success the
// image reads back as the model now is.
SaveResult BuildSavedImage(TLangpack& lp, std::span<const uint8_t> current);

// "The font is in the middle langpack ..." with the excess in bytes.
std::string FontInMiddleMessage(int32_t excessBytes);

}  // namespace glyphora
