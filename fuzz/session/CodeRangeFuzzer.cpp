// Any bytes as what the user typed into "Characters of the set…": codes
// ascending and each once, or a refusal with a message in UTF-8, never a
// crash; as one range, a span the set can take (first code not after the
// last, none above U+FFFF) whose name reads back as the same span; and a code
// number the tool takes is named as itself. The tool's refusal quotes the argument as
// typed, so its message is UTF-8 only when the argument is.
#include "CodeRangeText.h"
#include "HexText.h"
#include "TextEncoding.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_code_range: %s\n", what);
    std::abort();
}

void CheckRefusal(const glyphora::Error& error, bool typedInUtf8) {
    if (error.message.empty()) Fail("a refusal without a message");
    if (typedInUtf8 && !glyphora::IsValidUtf8(error.message)) Fail("a message that is not UTF-8");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace glyphora;
    const std::string_view typed(reinterpret_cast<const char*>(data), size);

    const Result<std::vector<uint16_t>> codes = ParseCodeList(typed);
    if (!codes) {
        CheckRefusal(codes.error(), true);
    } else {
        if (!IsValidUtf8(typed)) Fail("characters were taken from text that is not UTF-8");
        if (codes->empty()) Fail("an empty list was taken");
        for (std::size_t i = 1; i < codes->size(); ++i)
            if ((*codes)[i - 1] >= (*codes)[i]) Fail("the codes of a list are not ascending and each once");
    }

    const Result<CodeSpan> span = ParseCodeRange(typed);
    if (!span) {
        CheckRefusal(span.error(), true);
    } else {
        if (!IsValidUtf8(typed)) Fail("a range was taken from text that is not UTF-8");
        if (span->first > span->last) Fail("a reversed range was taken");
        if (span->last > 0xFFFF) Fail("a code above U+FFFF was taken");
        if (!CheckCodeSpan(*span)) Fail("a range was taken that the set cannot take");
        const std::string name = CodeSpanName(*span);
        if (!IsValidUtf8(name)) Fail("the name of a range is not UTF-8");
        const Result<CodeSpan> again = ParseCodeRange(name);
        if (!again || again->first != span->first || again->last != span->last)
            Fail("the name shown for a range does not read back as that range");
    }

    const Result<uint16_t> code = ParseCodeNumber(typed);
    if (!code) {
        CheckRefusal(code.error(), IsValidUtf8(typed));
        return 0;
    }
    const Result<uint16_t> named = ParseCodeNumber(CodeName(*code));
    if (!named || *named != *code) Fail("the name of a code does not read back as that code");
    return 0;
}
