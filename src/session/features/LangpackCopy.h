// "Copy glyphs from another langpack…" without its window: the glyphs of the
// codes both sets have take the other set's width and rows, and when asked
// the codes the current set lacks are added with theirs first (the rules and
// refusals of "Characters of the set…"). Rows are aligned at the top, or on
// the two baselines when both sets have one. A preview says what would
// change; Apply is one step of the langpack-wide history.
#pragma once

#include "OtherLangpack.h"

#include <CharacterRanges.h>
#include <Error.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

class Session;

struct CopyOptions {
    int sourceSet = 0;  // 0-based, in the other langpack
    std::optional<CodeSpan> range;
    bool addMissing = false;
    // 0-based rows; the rows are aligned on them when both are given.
    std::optional<int> sourceBaseline;
    std::optional<int> targetBaseline;
};

struct CopyItem {
    uint16_t code = 0;
    bool added = false;  // a code the current set lacks
    uint8_t oldWidth = 0;
    std::vector<uint8_t> oldRows;  // memory form, the current set's height
    uint8_t width = 0;
    std::vector<uint8_t> rows;
    bool changes = false;  // width or stored rows differ from what the set has
    bool inkCut = false;   // ink of the other glyph fell outside the set's rows
};

struct CopyPreview {
    std::vector<CopyItem> items;  // ascending code
    int copied = 0;               // codes both sets have
    int added = 0;                // codes added
    int skipped = 0;              // codes the current set lacks, not added
    int changing() const;
    int inkCut() const;
};

class LangpackCopy {
public:
    static constexpr const char* kTitle = "Copy glyphs from another langpack";

    explicit LangpackCopy(Session& session) : session_(session) {}

    // What Apply would do to the current set.
    CopyPreview Preview(const TLangpack& source, const CopyOptions& options) const;
    // The copy as one step; a refusal (a limit of the file form, a copy of
    // set No. 2) is returned and changes nothing.
    Result<CopyPreview> Apply(const TLangpack& source, const CopyOptions& options);

private:
    Session& session_;
};

}  // namespace glyphora
