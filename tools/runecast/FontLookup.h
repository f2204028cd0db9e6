// Finding an installed font by family name and style through fontconfig.
// Starting fontconfig reads its configuration and caches, which costs more
// than the rendering; FontCache keeps the answers between runs.
#pragma once

#include "Error.h"
#include "FontChoice.h"
#include "RenderRequest.h"

#include <string>
#include <vector>

namespace glyphora::runecast {

struct FontLookupResult {
    FontChoice choice;
    // The files and folders fontconfig's answer rests on: its configuration
    // files and their folders, the user's configuration places (also when
    // they do not exist yet), its cache folders and the font folders.
    std::vector<std::string> watchedPaths;
};

// A family name may end in " [Foundry]", as Qt writes families offered by
// several foundries. When fontconfig has no such family it falls back to a
// default font for any name; that is refused (ErrorKind::Missing), because a
// batch of glyphs in a font the user did not ask for is worse than a message.
// A generic name (sans-serif, monospace, ...) takes fontconfig's choice.
Result<FontLookupResult> LookUpFont(const std::string& familyName, FontStyle style);

}  // namespace glyphora::runecast
