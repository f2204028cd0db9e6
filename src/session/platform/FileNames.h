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

// A flash file goes by its extension, .shx in either case; only a dot in the
// file name counts.
bool IsFlashFileName(const std::string& path);

}  // namespace glyphora
