// Reads a BDF 2.1 font (2.2 too, for what 2.1 has). Properties may come in
// any order, lines may end in CR LF or LF, glyphs may be of any size up to
// the limits of BdfFont.h. A refusal says on which line what is wrong:
//   Malformed   - the text breaks the format: a cut file, a BITMAP shorter
//                 than its BBX, a row that is not hex, a missing ENDCHAR or
//                 ENDFONT, a size beyond the limits;
//   Unsupported - a well-formed font that is not Unicode (CHARSET_REGISTRY
//                 other than ISO10646) or has more than 1 bit per pixel.
// The CHARS and STARTPROPERTIES counts are not checked against what follows:
// ENDPROPERTIES, ENDCHAR and ENDFONT delimit everything, so a cut file is
// still refused, and tools that write a stale count still read.
#pragma once

#include "BdfFont.h"
#include "Error.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace glyphora {

inline constexpr std::size_t kMaxBdfFileSize = std::size_t{64} << 20;

Result<BdfFont> ReadBdf(std::string_view text);

// The file at `path`, of at most kMaxBdfFileSize bytes. A file that cannot be
// read, or is larger, gets the file layer's message; a broken font's message
// starts with the path.
Result<BdfFont> ReadBdfFile(const std::string& path);

}  // namespace glyphora
