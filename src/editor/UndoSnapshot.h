// The one-level undo of the working glyph: a copy of EditImage taken before
// an edit is committed. Undo swaps the glyph and the snapshot, so undoing
// twice redoes.
#pragma once

#include "MonoImage.h"

#include <utility>

namespace glyphora {

class UndoSnapshot {
public:
    bool available() const { return !image_.isEmpty(); }
    const MonoImage& image() const { return image_; }
    void take(const MonoImage& edit) { image_ = edit; }
    void clear() { image_ = MonoImage(); }
    // The snapshot in exchange for what the glyph holds now.
    MonoImage exchange(MonoImage now) { return std::exchange(image_, std::move(now)); }

private:
    MonoImage image_;
};

}  // namespace glyphora
