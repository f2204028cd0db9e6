// Builds the complete new file image of a langpack from the model and the
// file's current bytes. Nothing is written to disk here.
//
// A save is planned first and written second. PlanSave makes every check and
// lays out the new fonts area once; only a SavePlan can be written, so
// nothing reaches the image that was not checked.
#pragma once

#include "Langpack.h"
#include "LangpackLayout.h"

#include <Error.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace glyphora {

// A save that passed every check, with its layout.
class SavePlan {
    friend Result<SavePlan> PlanSave(const TLangpack& lp, std::span<const uint8_t> current);
    friend struct SavePlanWriter;
    SavePlan(TLangpack model, LangpackLayout layout, uint64_t fontsOffset, std::size_t fileSize)
        : model_(std::move(model)), layout_(std::move(layout)), fontsOffset_(fontsOffset), fileSize_(fileSize) {}
    TLangpack model_;
    LangpackLayout layout_;
    uint64_t fontsOffset_;
    std::size_t fileSize_;
};

struct SavedImage {
    std::vector<uint8_t> image;  // the whole new file
    TLangpack langpack;          // the model as the image holds it (new offsets; copies of set 2 made equal)
};

// The model against the limits of the file form and itself, the fonts area
// against the file, and the FontInMiddle room check (counting the padding
// before the set table too, so the data after it are never overwritten).
// A set with a glyph more than 4095 bytes after the first glyph of its
// interval is planned with its intervals laid out anew (LayOutRuns): the
// saved model then has them. Refused: the message says why, naming the set
// or glyph.
Result<SavePlan> PlanSave(const TLangpack& lp, std::span<const uint8_t> current);

// ReculcShift, then WriteIntervals over `current`, which must be the bytes the
// plan was made for (Refused otherwise: nothing is written from a plan made
// for another file).
Result<SavedImage> WritePlan(SavePlan plan, std::span<const uint8_t> current);

// PlanSave then WritePlan. On success `lp` becomes the saved model; on
// refusal it is left exactly as it was. The image reads back as `lp` then is.
Result<std::vector<uint8_t>> BuildSavedImage(TLangpack& lp, std::span<const uint8_t> current);

// What PlanSave would refuse of `lp`, without a file: the model, the limits
// of the file form and, for a fonts area in the middle of the langpack, its
// room (the message gives the bytes needed and the bytes there are). An edit
// that changes the size of the fonts area checks its result with this before
// it is kept.
Status CheckSavable(const TLangpack& lp);

// For a fonts area in the middle of the langpack: the bytes left before a save
// would be refused (negative when it already would be). Nothing otherwise.
std::optional<int64_t> FontAreaRoomLeft(const TLangpack& lp);

// The room the rebuilt fonts area needs before the set table, in bytes.
int32_t RequiredFontSize(const TLangpack& lp);

// "The font is in the middle langpack ..." with the excess in bytes.
std::string FontInMiddleMessage(int32_t excessBytes);

}  // namespace glyphora
