// The renderer's cache file (runecast.cache) as any bytes: the reader must
// refuse what it cannot take without reading past the text, and what it takes
// must come back the same from the text it writes.
#include "FontCache.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using glyphora::runecast::FontCache;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<FontCache> cache = FontCache::Parse(text);
    if (!cache) return 0;
    const std::optional<FontCache> again = FontCache::Parse(cache->text());
    if (!again || !(*again == *cache)) {
        std::fprintf(stderr, "fuzz_runecast_cache: the text written does not read back as the same cache\n");
        std::abort();
    }
    return 0;
}
