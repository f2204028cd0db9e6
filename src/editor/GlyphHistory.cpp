#include "GlyphHistory.h"

#include <limits>
#include <utility>

namespace glyphora {

std::size_t GlyphHistory::cost(const GlyphState& state) { return state.image.bits().size() + sizeof(Step); }

bool GlyphHistory::unchangedSince(GlyphKey glyph, const GlyphState& current) const {
    return pending_ && pending_->glyph == glyph && pending_->before == current;
}

std::size_t GlyphHistory::backwardSteps(GlyphKey glyph) const {
    const auto at = glyphs_.find(glyph);
    return at == glyphs_.end() ? 0 : at->second.back.size();
}

std::size_t GlyphHistory::forwardSteps(GlyphKey glyph) const {
    const auto at = glyphs_.find(glyph);
    return at == glyphs_.end() ? 0 : at->second.forward.size();
}

bool GlyphHistory::canStepBackward(GlyphKey glyph, const GlyphState& current) const {
    const std::size_t recorded = unchangedSince(glyph, current) && pending_->pushed ? 1 : 0;
    return backwardSteps(glyph) > recorded;
}

bool GlyphHistory::canStepForward(GlyphKey glyph, const GlyphState& current) const {
    if (unchangedSince(glyph, current)) return !pending_->forward.empty();
    return forwardSteps(glyph) > 0;
}

void GlyphHistory::push(std::deque<Step>& steps, GlyphState state) {
    bytes_ += cost(state);
    steps.push_back({std::move(state), ++clock_});
}

// The step is kept at once, so that the counts and the cap see it; settle()
// takes it back, and gives back the way forward, when nothing changed.
void GlyphHistory::record(GlyphKey glyph, GlyphState before) {
    settle(glyph, before);
    Steps& steps = glyphs_[glyph];
    Snapshot snapshot{glyph, before, std::move(steps.forward), false};
    for (const Step& s : snapshot.forward) bytes_ -= cost(s.state);
    steps.forward.clear();
    if (steps.back.empty() || !(steps.back.back().state == before)) {
        push(steps.back, std::move(before));
        snapshot.pushed = true;
        snapshot.age = clock_;
    }
    pending_ = std::move(snapshot);
    trim();
}

void GlyphHistory::settle(GlyphKey glyph, const GlyphState& current) {
    if (!pending_) return;
    Snapshot snapshot = std::move(*pending_);
    pending_.reset();
    if (snapshot.glyph != glyph || !(snapshot.before == current)) return;
    // Nothing changed: the step goes again (unless the cap took it) and the way forward comes back.
    const auto at = glyphs_.try_emplace(glyph).first;
    Steps& steps = at->second;
    if (snapshot.pushed && !steps.back.empty() && steps.back.back().age == snapshot.age) {
        bytes_ -= cost(steps.back.back().state);
        steps.back.pop_back();
    }
    for (Step& s : snapshot.forward) bytes_ += cost(s.state);
    steps.forward = std::move(snapshot.forward);
    if (steps.back.empty() && steps.forward.empty()) glyphs_.erase(at);
    trim();
}

std::optional<GlyphState> GlyphHistory::step(GlyphKey glyph, GlyphState current, bool backward) {
    settle(glyph, current);
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
    pending_.reset();
    bytes_ = 0;
}

void GlyphHistory::forgetSet(int set) {
    for (auto it = glyphs_.begin(); it != glyphs_.end();) {
        if (it->first.set != set) {
            ++it;
            continue;
        }
        for (const Step& step : it->second.back) bytes_ -= cost(step.state);
        for (const Step& step : it->second.forward) bytes_ -= cost(step.state);
        it = glyphs_.erase(it);
    }
    if (pending_ && pending_->glyph.set == set) pending_.reset();
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
