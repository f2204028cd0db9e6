// What the two back ends of the process runner share. Internal to it.
#pragma once

#include <string>

namespace glyphora::process_native {

// A program's path as messages name it: in single quotes.
std::string Quoted(const std::string& program);

}  // namespace glyphora::process_native
