// The demo langpack: a header with a few languages and their strings, and a
// framed font-set table with sets of several heights drawn from Unifont.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glyphora::demo {

struct DemoImage {
    std::string error;  // empty when built
    std::vector<uint8_t> bytes;
};

// Deterministic: the same Unifont file always gives the same bytes.
DemoImage BuildDemoLangpack(const std::string& unifontHexPath);

}  // namespace glyphora::demo
