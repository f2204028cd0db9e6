// A langpack other than the open one, for copying glyphs from it and
// comparing with it: a langpack file, or the LangPack code group of a flash
// file taken out in memory. Only read, and closed again at once; nothing is
// written beside the flash file.
#pragma once

#include <Error.h>
#include <Langpack.h>

#include <optional>
#include <string>

namespace glyphora {

class Prompts;

struct OtherLangpack {
    std::string path;  // the file chosen
    TLangpack langpack;
};

// Errors name the file: Missing, Io, NotLangpack, Malformed (also a flash
// file that breaks its format or has no LangPack code group).
Result<OtherLangpack> ReadOtherLangpack(const std::string& path);

// The open dialog (langpacks and flash files) beside `folder`, then the file
// read; a refusal is shown. Nothing when cancelled or refused.
std::optional<OtherLangpack> ChooseOtherLangpack(Prompts& prompts, const std::string& title, const std::string& folder);

}  // namespace glyphora
