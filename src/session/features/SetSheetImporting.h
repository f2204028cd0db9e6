// File -> "Import set from PNG sheet…", the way back for "Export set as PNG
// sheet…": a set's sheet edited in any paint program gives the set's glyphs
// their rows again (widths stay), as one step of the langpack history.
#pragma once

#include "Session.h"

#include <Error.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glyphora {

class SetSheetImporting {
public:
    explicit SetSheetImporting(Session& session) : session_(session) {}

    struct SheetImported {
        int scale = 0;
        int changed = 0;                       // glyphs stored
        std::vector<uint16_t> inkBeyondWidth;  // codes whose cells had ink right of the width, left out
    };

    // "Save the current symbol?", the open dialog, the import, and a message
    // with what changed (or why the picture was refused).
    void ImportPngCommand();
    // The sheet at `path` into the current set: only the glyphs whose rows
    // differ are stored, so an unchanged sheet changes nothing. The scale is
    // found from the picture unless given. A picture that cannot be read, or
    // whose grid is not the set's, changes nothing and is returned.
    Result<SheetImported> ImportPng(const std::string& path, std::optional<int> scale = std::nullopt);

private:
    Session& session_;
};

// "Ink right of the glyph's width was left out: U+0041, U+0042.", or empty.
std::string InkBeyondWidthText(const std::vector<uint16_t>& codes);

}  // namespace glyphora
