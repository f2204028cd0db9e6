// The steps of the working glyph beside the one-level Undo: the state each
// glyph was in before every change, kept per glyph so that coming back to a
// glyph comes back to its steps. The whole history stays under a byte cap;
// the oldest steps go first.
#pragma once

#include "MonoImage.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>

namespace glyphora {

// What a step puts back: EditImage and GlyphWidth.
struct GlyphState {
    MonoImage image;
    int width = 0;
    bool operator==(const GlyphState&) const = default;
};

// A glyph of the langpack: its set (0-based) and its index in the set.
struct GlyphKey {
    int set = -1;
    int glyph = -1;
    auto operator<=>(const GlyphKey&) const = default;
};

class GlyphHistory {
public:
    // Room for thousands of steps of the largest glyph (16 x 255).
    static constexpr std::size_t kDefaultByteCap = std::size_t{4} << 20;

    explicit GlyphHistory(std::size_t byteCap = kDefaultByteCap) : cap_(byteCap) {}

    // The glyph is about to change from `before`: one more step back. The
    // steps forward that were walked back are dropped (a new branch begins).
    // A snapshot that came to nothing (a click that drew nothing, a width set
    // to what it was) is taken back at the next call that passes the glyph's
    // state, and the way forward with it.
    void record(GlyphKey glyph, GlyphState before);
    // The glyph's state now; call it before another glyph becomes the working one.
    void settle(GlyphKey glyph, const GlyphState& current);

    // The state a step backward (forward) puts back; `current` is kept for
    // the way forward (back). Steps equal to `current` are passed over.
    // Nothing when there is no step to go.
    std::optional<GlyphState> stepBackward(GlyphKey glyph, GlyphState current);
    std::optional<GlyphState> stepForward(GlyphKey glyph, GlyphState current);

    // Whether there is a step to go from `current`; a snapshot recorded last
    // counts only when `current` differs from it.
    bool canStepBackward(GlyphKey glyph, const GlyphState& current) const;
    bool canStepForward(GlyphKey glyph, const GlyphState& current) const;
    bool canStepBackward(GlyphKey glyph) const { return backwardSteps(glyph) > 0; }
    bool canStepForward(GlyphKey glyph) const { return forwardSteps(glyph) > 0; }
    std::size_t backwardSteps(GlyphKey glyph) const;
    std::size_t forwardSteps(GlyphKey glyph) const;

    // What the steps hold, counted as their pixel bytes plus a fixed cost each.
    std::size_t bytes() const { return bytes_; }
    static std::size_t cost(const GlyphState& state);
    // Another langpack: every glyph's steps go.
    void clear();
    // The glyphs of this set were renumbered (characters added or removed):
    // their steps go, since a glyph index no longer names the same glyph.
    void forgetSet(int set);

private:
    struct Step {
        GlyphState state;
        uint64_t age = 0;  // when it was recorded; smaller is older
    };
    struct Steps {
        std::deque<Step> back;     // oldest first, the next step backward last
        std::deque<Step> forward;  // the next step forward last
    };

    // The snapshot recorded last, until it is seen whether it changed anything.
    struct Snapshot {
        GlyphKey glyph;
        GlyphState before;
        std::deque<Step> forward;  // the way forward it dropped
        bool pushed = false;       // it added a step (of this age)
        uint64_t age = 0;
    };

    bool unchangedSince(GlyphKey glyph, const GlyphState& current) const;
    void push(std::deque<Step>& steps, GlyphState state);
    std::optional<GlyphState> step(GlyphKey glyph, GlyphState current, bool backward);
    void trim();

    std::map<GlyphKey, Steps> glyphs_;
    std::optional<Snapshot> pending_;
    std::size_t cap_;
    std::size_t bytes_ = 0;
    uint64_t clock_ = 0;
};

}  // namespace glyphora
