// Any bytes as what the user typed into "Go to character": a code up to
// U+FFFF or a refusal with a message, never a crash; one character typed is
// that character; the name shown for a code is UTF-8.
#include "CharacterCode.h"
#include "TextEncoding.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_character_code: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace glyphora;
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const Result<uint16_t> code = ParseCharacterCode(typed);
    if (!code) {
        if (code.error().message.empty()) Fail("a refusal without a message");
        if (!IsValidUtf8(code.error().message)) Fail("a message that is not UTF-8");
        return 0;
    }
    if (!IsValidUtf8(typed)) Fail("text that is not UTF-8 was taken");
    if (!IsValidUtf8(CharacterName(*code))) Fail("a character name that is not UTF-8");
    // A lone ASCII letter or digit is itself, not a code.
    if (size == 1 && data[0] > 0x20 && data[0] < 0x7F && *code != data[0]) Fail("one character was not itself");
    return 0;
}
