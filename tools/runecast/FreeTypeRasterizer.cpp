#include "FreeTypeRasterizer.h"

#include "FontCachePlace.h"
#include "FontLookup.h"

namespace glyphora::runecast {

// A path needs no lookup. A family is taken from the cache when its answer
// still holds and still opens; otherwise fontconfig is asked and the answer
// remembered, as far as the cache can be written.
Result<OpenFace*> FreeTypeRasterizer::face(const std::string& fontName, FontStyle style) {
    const auto key = std::make_pair(fontName, style);
    if (auto found = faces_.find(key); found != faces_.end()) return &found->second;
    auto keep = [&](OpenFace opened) { return &faces_.insert_or_assign(key, std::move(opened)).first->second; };

    if (IsFontPath(fontName)) {
        FontChoice file;
        file.path = fontName;
        file.syntheticBold = IsBold(style);
        file.syntheticOblique = IsItalic(style);
        Result<OpenFace> opened = OpenFace::Open(file);
        if (!opened) return opened.error();
        return keep(std::move(*opened));
    }
    if (!cache_) {
        cachePath_ = FontCachePath();
        cache_ = FontCache::Load(cachePath_);
    }
    if (std::optional<FontChoice> cached = cache_->find(fontName, style)) {
        // A font file that went away since: ask again.
        if (Result<OpenFace> opened = OpenFace::Open(*cached)) return keep(std::move(*opened));
    }
    Result<FontLookupResult> found = LookUpFont(fontName, style);
    if (!found) return found.error();
    Result<OpenFace> opened = OpenFace::Open(found->choice);
    if (!opened) return opened.error();
    cache_->remember(fontName, style, found->choice, found->watchedPaths);
    (void)cache_->save(cachePath_);  // a read-only folder only costs speed
    return keep(std::move(*opened));
}

Result<DrawnGlyph> FreeTypeRasterizer::draw(const RenderRequest& request) {
    Result<OpenFace*> opened = face(request.fontName, request.style);
    if (!opened) return opened.error();
    return (*opened)->draw(request.height, request.fitRows, request.code);
}

}  // namespace glyphora::runecast
