// What render and trim share: --set N --from I --to J, read and checked
// against the langpack's set.
#pragma once

#include "ToolSupport.h"

#include <GlyphBatch.h>

namespace glyphora::tool {

struct SetRange {
    int setNumber = 0;  // 1-based, as on the command line
    GlyphRange glyphs;
};

// The three options; false after saying what is wrong.
bool ReadSetRange(const ParsedArguments& parsed, SetRange& range);

// Opens FILE for an edit of the set (OpenSetForEdit) and checks that the
// range lies in it. kExitOk, or the status to exit with.
int OpenRangeForEdit(const std::string& file, const SetRange& range, std::optional<LangpackDocument>& doc);

}  // namespace glyphora::tool
