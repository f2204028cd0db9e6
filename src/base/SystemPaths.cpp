#include "SystemPaths.h"

namespace glyphora {

std::size_t FileNameStart(std::string_view path) {
    const std::size_t separator = path.find_last_of(PathSeparators());
    return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace glyphora
