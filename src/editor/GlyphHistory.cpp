#include "GlyphHistory.h"

#include <limits>
#include <utility>

namespace glyphora {

std::size_t GlyphHistory::cost(const GlyphState& state) { return state.image.bits().size() + sizeof(Step); }

std::size_t GlyphHistory::backwardSteps(GlyphKey glyph) const {
    const auto at = glyphs_.find(glyph);
    return at == glyphs_.end() ? 0 : at->second.back.size();
}

std::size_t GlyphHistory::forwardSteps(GlyphKey glyph) const {
    const auto at = glyphs_.find(glyph);
    return at == glyphs_.end() ? 0 : at->second.forward.size();
}

void GlyphHistory::push(std::deque<Step>& steps, GlyphState state) {
    bytes_ += cost(state);
    steps.push_back({std::move(state), ++clock_});
}

void GlyphHistory::dropAll(std::deque<Step>& steps) {
    for (const Step& s : steps) bytes_ -= cost(s.state);
    steps.clear();
}

void GlyphHistory::record(GlyphKey glyph, GlyphState before) {
    Steps& steps = glyphs_[glyph];
    dropAll(steps.forward);
    // Snapshots are taken where a change may begin; one that came to nothing
    // (a cancelled stroke, a line released on its anchor) left the same state.
    if (!steps.back.empty() && steps.back.back().state == before) return;
    push(steps.back, std::move(before));
    trim();
}

std::optional<GlyphState> GlyphHistory::step(GlyphKey glyph, GlyphState current, bool backward) {
    const auto at = glyphs_.find(glyph);
    if (at == glyphs_.end()) return std::nullopt;
    std::deque<Step>& from = backward ? at->second.back : at->second.forward;
    std::deque<Step>& to = backward ? at->second.forward : at->second.back;
    while (!from.empty() && from.back().state == current) {
        bytes_ -= cost(from.back().state);
        from.pop_back();
    }
    if (from.empty()) {
        if (to.empty()) glyphs_.erase(at);
        return std::nullopt;
    }
    GlyphState target = std::move(from.back().state);
    bytes_ -= cost(target);
    from.pop_back();
    push(to, std::move(current));
    trim();
    return target;
}

std::optional<GlyphState> GlyphHistory::stepBackward(GlyphKey glyph, GlyphState current) {
    return step(glyph, std::move(current), true);
}

std::optional<GlyphState> GlyphHistory::stepForward(GlyphKey glyph, GlyphState current) {
    return step(glyph, std::move(current), false);
}

void GlyphHistory::clear() {
    glyphs_.clear();
    bytes_ = 0;
}

// The oldest step of all goes first: the bottom of some glyph's way back, or,
// when no way back is left, the far end of a way forward.
void GlyphHistory::trim() {
    while (bytes_ > cap_ && !glyphs_.empty()) {
        auto oldest = glyphs_.end();
        bool fromBack = false;
        uint64_t age = std::numeric_limits<uint64_t>::max();
        for (auto it = glyphs_.begin(); it != glyphs_.end(); ++it) {
            const Steps& s = it->second;
            if (!s.back.empty() && (!fromBack || s.back.front().age < age)) {
                oldest = it;
                fromBack = true;
                age = s.back.front().age;
            } else if (!fromBack && !s.forward.empty() && s.forward.front().age < age) {
                oldest = it;
                age = s.forward.front().age;
            }
        }
        if (oldest == glyphs_.end()) break;
        std::deque<Step>& steps = fromBack ? oldest->second.back : oldest->second.forward;
        bytes_ -= cost(steps.front().state);
        steps.pop_front();
        if (oldest->second.back.empty() && oldest->second.forward.empty()) glyphs_.erase(oldest);
    }
}

}  // namespace glyphora
