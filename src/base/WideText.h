// UTF-8 texts, which the whole program uses, to and from the UTF-16 texts of
// the Windows system calls. Windows only.
#pragma once

#include <string>
#include <string_view>

namespace glyphora {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The system's text for an error code (GetLastError), without the final
// full stop and line break.
std::string SystemMessage(unsigned long code);

}  // namespace glyphora
