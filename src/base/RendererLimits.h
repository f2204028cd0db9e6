// What Glyphora's renderer program takes, known to the renderer and to its
// callers alike, so that a caller refuses what the renderer would cut.
#pragma once

#include <cstddef>

namespace glyphora {

// The longest request line of a batch, in bytes, its line end aside.
inline constexpr std::size_t kRendererRequestMax = std::size_t{64} * 1024;

// The longest family name a LOGFONT holds, in UTF-16 units, its terminating
// zero aside: what GDI, and so the renderer on Windows, can look up.
inline constexpr std::size_t kGdiFamilyNameMax = 31;

}  // namespace glyphora
