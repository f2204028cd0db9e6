// The renderer's back end on POSIX systems: fontconfig finds the family,
// FreeType draws it.
#include "FontCache.h"
#include "FontLookup.h"
#include "GlyphRasterizer.h"
#include "RenderBackEnd.h"

namespace glyphora::runecast {

// A path needs no lookup. A family is taken from the cache when its answer
// still holds and still opens; otherwise fontconfig is asked and the answer
// remembered, as far as the cache can be written.
Result<MonoImage> RenderCharacter(const RenderRequest& request) {
    if (IsFontPath(request.fontName)) {
        FontChoice file;
        file.path = request.fontName;
        file.syntheticBold = IsBold(request.style);
        file.syntheticOblique = IsItalic(request.style);
        return RenderGlyph(file, request.height, request.code);
    }
    FontCache cache = FontCache::Load(kCacheFileName);
    if (std::optional<FontChoice> cached = cache.find(request.fontName, request.style)) {
        Result<MonoImage> image = RenderGlyph(*cached, request.height, request.code);
        // A font file that went away since: ask again.
        if (image || image.error().kind == ErrorKind::Unsupported) return image;
    }
    Result<FontLookupResult> found = LookUpFont(request.fontName, request.style);
    if (!found) return found.error();
    Result<MonoImage> image = RenderGlyph(found->choice, request.height, request.code);
    if (image || image.error().kind == ErrorKind::Unsupported) {
        cache.remember(request.fontName, request.style, found->choice, found->watchedPaths);
        (void)cache.save(kCacheFileName);  // a read-only folder only costs speed
    }
    return image;
}

}  // namespace glyphora::runecast
