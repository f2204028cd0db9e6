// runecast.cache: the answers of earlier fontconfig lookups, so that a batch
// of glyphs in one font starts fontconfig once instead of once per glyph.
//
// Starting fontconfig (FcInit) reads some thirty configuration files and the
// cache of every font folder, several milliseconds at each start, more than
// rendering the glyph. Its answer for a (name, style) can change only when
// one of the things it read changes, so the cache keeps, beside the answers
// (font file, face index, synthetic bold and oblique), a time stamp of each
// of those: the configuration files and their folders, the user's
// configuration places (recorded as absent, so that creating one counts),
// fontconfig's cache folders (fc-cache renames new cache files into them) and
// the font folders (copying a font in touches its folder). A stamp is the
// inode, size, modification and change times; the change time cannot be set
// back, so a file replaced with its old modification time still counts as
// changed. The environment variables that steer fontconfig are kept too.
//
// Checking the stamps costs some fifty stat calls and no fontconfig at all.
// When any differs, or the file is missing, unreadable or malformed, the cache
// counts as empty and is rebuilt from the next lookup. Writing it may fail
// (a read-only folder): the renderer then works as before, only slower.
#pragma once

#include "Error.h"
#include "FontChoice.h"
#include "RenderRequest.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora::runecast {

inline constexpr const char* kCacheFileName = "runecast.cache";

class FontCache {
public:
    // The answers of the file at path, or none when it is missing, malformed
    // or stale.
    static FontCache Load(const std::string& path);

    // The cache as a file holds it, not yet checked against the stamps and
    // the environment; nothing when the text is malformed.
    static std::optional<FontCache> Parse(std::string_view text);
    // The file's text; Parse(text()) gives the same cache.
    std::string text() const;

    std::optional<FontChoice> find(const std::string& fontName, FontStyle style) const;

    // Adds the answer of a fresh lookup together with the paths it rests on.
    // When their stamps differ from those the cache holds, the earlier
    // answers are dropped with them.
    void remember(const std::string& fontName, FontStyle style, const FontChoice& choice,
                  const std::vector<std::string>& watchedPaths);

    Status save(const std::string& path) const;

    std::size_t size() const { return entries_.size(); }
    bool operator==(const FontCache&) const = default;

    struct Stamp {
        std::string path;
        bool present = false;
        uint64_t inode = 0;
        int64_t size = 0;
        int64_t modifiedNs = 0;
        int64_t changedNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        std::string fontName;
        FontStyle style = FontStyle::Regular;
        FontChoice choice;
        bool operator==(const Entry&) const = default;
    };

private:
    std::string environment_;
    std::vector<Stamp> stamps_;
    std::vector<Entry> entries_;
};

}  // namespace glyphora::runecast
