// Where runecast.cache lies. The editor starts the renderer in a fresh
// private folder for every batch, so a cache kept in the current folder was
// never found again: it lives in the user's cache folder
// ($XDG_CACHE_HOME/glyphora, else ~/.cache/glyphora), or, without one that
// can be made and written, beside the renderer when that folder is writable,
// or else in the current folder. Two renderers may share it at once: it is
// replaced whole by a rename, and a file that is not a cache is ignored.
#pragma once

#include <string>

namespace glyphora::runecast {

std::string FontCachePath();

}  // namespace glyphora::runecast
