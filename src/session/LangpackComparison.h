// The langpack the open one is compared with ("Compare with…"): which
// glyphs of each set differ in width or rows from the other's glyph of the
// same code, or have a code the other set lacks, and how many codes only the
// other has. It follows every change of the open langpack as an observer of
// the session, so the marks stay true while the user edits.
#pragma once

#include "OtherLangpack.h"
#include "SessionObserver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace glyphora {

class Session;

class LangpackComparison : public SessionObserver {
public:
    explicit LangpackComparison(const Session& session) : session_(session) {}

    void open(OtherLangpack other);
    void close();
    bool active() const { return other_.has_value(); }
    // The file compared with; empty when none is.
    std::string path() const { return other_ ? other_->path : std::string(); }

    bool glyphDiffers(int set, int glyph) const;
    // A glyph differs, or the other set has codes this one lacks.
    bool setDiffers(int set) const;
    // Counts over the whole langpack.
    struct Summary {
        int differing = 0;  // glyphs of both with another width or other rows
        int onlyHere = 0;   // glyphs whose code the other set lacks
        int onlyThere = 0;  // codes only the other set has
    };
    Summary summary() const { return summary_; }
    // The next marked glyph after glyph `glyph` of set `set`, through the
    // sets in order and round again; nothing when no glyph is marked.
    std::optional<std::pair<int, int>> next(int set, int glyph) const;
    // Grows with every change of the marks, so a view repaints only when they moved.
    uint64_t revision() const { return revision_; }

    void documentReplaced() override { refreshAll(); }
    void glyphsChanged(const std::vector<int>& sets, const std::vector<int>& glyphs) override;
    void setHeightsChanged(const std::vector<int>& sets) override;

private:
    void refreshAll();
    void refreshSet(int set);
    // Brings the marks of these glyphs of one set up to date; count() follows.
    void markGlyphs(int set, const std::vector<int>& glyphs);
    void count();

    struct SetMarks {
        std::vector<bool> glyphs;  // per glyph of the open langpack's set
        int differing = 0, onlyHere = 0, onlyThere = 0;
    };
    const Session& session_;
    std::optional<OtherLangpack> other_;
    std::vector<SetMarks> sets_;
    Summary summary_;
    uint64_t revision_ = 0;
};

}  // namespace glyphora
