// Edit -> "Go to character": the glyph of what the user typed, selected with
// the usual "Save the current symbol?" question.
#pragma once

#include "Session.h"

#include <string_view>
#include <vector>

namespace glyphora {

// The sets (0-based) that have a glyph of this code.
std::vector<int> SetsWithCharacter(const TLangpack& langpack, uint16_t code);

class CharacterSearch {
public:
    explicit CharacterSearch(Session& session) : session_(session) {}
    // Selects the glyph of the typed character in the current set; when the
    // set lacks it, tells which sets have it. True when the glyph is the one
    // shown now.
    bool GoTo(std::string_view typed);

private:
    Session& session_;
};

}  // namespace glyphora
