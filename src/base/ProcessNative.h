// What the two back ends of the process runner share. Internal to it.
#pragma once

#include <filesystem>
#include <string>

namespace glyphora::process_native {

// A program's path as messages name it: in single quotes.
std::string Quoted(const std::string& program);

// Removes the file, or the folder when it is empty; safe in a signal handler.
void RemoveQuietly(const std::filesystem::path::value_type* path) noexcept;

}  // namespace glyphora::process_native
