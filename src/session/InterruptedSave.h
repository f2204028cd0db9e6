// Opening a langpack that a save left unfinished: a save that writes the file
// in place (it has other names, or extended attributes) first puts a copy of
// its old content beside it, and a save killed while writing leaves that copy
// and maybe a file cut short. The open says so, and offers the copy back when
// the file does not read as a langpack.
#pragma once

#include "Prompts.h"

#include <LangpackDocument.h>

#include <string>

namespace glyphora {

// LangpackDocument::Load of `path`, told first about an earlier save of it
// that was interrupted. Put back, the old content replaces the file and its
// copy goes; otherwise the copy stays until the file is saved again.
Result<LangpackDocument> LoadAfterInterruptedSave(const std::string& path, Prompts& prompts);

}  // namespace glyphora
