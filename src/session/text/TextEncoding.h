// Language files come in two encodings: UTF-8, and the single-byte Cyrillic
// code page (Windows-1251) that older Russian files were written in. A file
// that is valid UTF-8 is taken as UTF-8; anything else as Windows-1251, which
// gives every byte a meaning, so decoding never fails.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace glyphora {

// One UTF-16 code unit as UTF-8 (one to three bytes).
void AppendUtf8(std::string& out, char16_t code);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Byte 98 (the one byte the code page leaves undefined) becomes U+FFFD.
std::string Windows1251ToUtf8(std::string_view bytes);

// UTF-8 text either way; a leading UTF-8 byte-order mark is dropped.
std::string DecodeUtf8OrWindows1251(std::span<const uint8_t> bytes);

}  // namespace glyphora
