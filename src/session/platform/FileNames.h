// What the dialogs of the session make of a path: the folder a dialog opens
// in, and the extension a chosen name gets when it has none.
#pragma once

#include <string>

namespace glyphora {

// The folder of the file at `path`; nothing for an empty path.
std::string FolderOf(const std::string& path);

// `chosen`, with `extension` (".bmp") added when the file name has no dot:
// only a dot after the last path separator counts.
std::string WithExtension(const std::string& chosen, const std::string& extension);

}  // namespace glyphora
