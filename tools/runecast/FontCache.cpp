#include "FontCache.h"

#include <FileLayer.h>

#include <sys/stat.h>
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace glyphora::runecast {

namespace {

constexpr std::string_view kMagic = "runecast-cache 1\n";
constexpr std::size_t kMaxCacheBytes = 1 << 20;
constexpr std::size_t kMaxEntries = 64;

// The variables fontconfig reads to find its configuration, the user's
// folders and the language that steers its choice.
std::string CurrentEnvironment() {
    static const char* const kNames[] = {"FONTCONFIG_FILE",
                                         "FONTCONFIG_PATH",
                                         "FONTCONFIG_SYSROOT",
                                         "HOME",
                                         "XDG_CONFIG_HOME",
                                         "XDG_CACHE_HOME",
                                         "XDG_DATA_HOME",
                                         "FC_LANG",
                                         "LANG",
                                         "LC_ALL",
                                         "LC_CTYPE"};
    std::string env;
    for (const char* name : kNames) {
        const char* value = std::getenv(name);
        env += name;
        env += value ? "=" + std::string(value) : std::string("-");
        env += '\n';
    }
    return env;
}

FontCache::Stamp StampOf(const std::string& path) {
    FontCache::Stamp stamp;
    stamp.path = path;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return stamp;
    stamp.present = true;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs = int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changedNs = int64_t{st.st_ctim.tv_sec} * 1000000000 + st.st_ctim.tv_nsec;
    return stamp;
}

// The file is lines of blank-separated fields; texts are written as
// LENGTH:BYTES so that a name may hold blanks, newlines or anything else.
void PutText(std::string& out, const std::string& text) {
    out += std::to_string(text.size());
    out += ':';
    out += text;
}

class Reader {
public:
    explicit Reader(std::string_view text) : rest_(text) {}

    bool atEnd() const { return rest_.empty(); }

    bool literal(std::string_view word) {
        if (rest_.substr(0, word.size()) != word) return false;
        rest_.remove_prefix(word.size());
        return true;
    }

    template <class Int>
    bool number(Int& value) {
        const auto [ptr, ec] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        if (ec != std::errc()) return false;
        rest_.remove_prefix(static_cast<std::size_t>(ptr - rest_.data()));
        return true;
    }

    bool text(std::string& value) {
        std::size_t length = 0;
        if (!number(length) || !literal(":") || length > rest_.size()) return false;
        value.assign(rest_.substr(0, length));
        rest_.remove_prefix(length);
        return true;
    }

private:
    std::string_view rest_;
};

bool ParseStamp(Reader& in, FontCache::Stamp& stamp) {
    int present = 0;
    if (!in.number(present) || !in.literal(" ") || !in.number(stamp.inode) || !in.literal(" ") ||
        !in.number(stamp.size) || !in.literal(" ") || !in.number(stamp.modifiedNs) || !in.literal(" ") ||
        !in.number(stamp.changedNs) || !in.literal(" ") || !in.text(stamp.path) || !in.literal("\n")) {
        return false;
    }
    stamp.present = present == 1;
    return present == 0 || present == 1;
}

bool ParseEntry(Reader& in, FontCache::Entry& entry) {
    int style = 0;
    int bold = 0;
    int oblique = 0;
    if (!in.number(style) || !in.literal(" ") || !in.number(bold) || !in.literal(" ") || !in.number(oblique) ||
        !in.literal(" ") || !in.number(entry.choice.faceIndex) || !in.literal(" ") || !in.text(entry.fontName) ||
        !in.literal(" ") || !in.text(entry.choice.path) || !in.literal("\n")) {
        return false;
    }
    if (style < 0 || style > 3 || (bold != 0 && bold != 1) || (oblique != 0 && oblique != 1)) return false;
    entry.style = static_cast<FontStyle>(style);
    entry.choice.syntheticBold = bold == 1;
    entry.choice.syntheticOblique = oblique == 1;
    return !entry.choice.path.empty();
}

}  // namespace

std::optional<FontCache> FontCache::Parse(std::string_view text) {
    Reader in(text);
    FontCache cache;
    if (!in.literal(kMagic) || !in.literal("env ") || !in.text(cache.environment_) || !in.literal("\n")) {
        return std::nullopt;
    }
    while (!in.atEnd()) {
        if (in.literal("stamp ")) {
            Stamp stamp;
            if (!ParseStamp(in, stamp)) return std::nullopt;
            cache.stamps_.push_back(std::move(stamp));
        } else if (in.literal("font ")) {
            Entry entry;
            if (!ParseEntry(in, entry)) return std::nullopt;
            cache.entries_.push_back(std::move(entry));
        } else {
            return std::nullopt;
        }
    }
    return cache;
}

namespace {

// The cache file, or nothing when it cannot be read or is larger than a cache gets.
std::optional<std::string> ReadSmallFile(const std::string& path) {
    Result<ReadHandle> file = ReadHandle::Open(path);
    if (!file || file->size() > kMaxCacheBytes) return std::nullopt;
    std::string text(static_cast<std::size_t>(file->size()), '\0');
    const Result<std::size_t> got = file->read(std::span(reinterpret_cast<uint8_t*>(text.data()), text.size()));
    if (!got || *got != text.size()) return std::nullopt;
    return text;
}

}  // namespace

FontCache FontCache::Load(const std::string& path) {
    FontCache empty;
    empty.environment_ = CurrentEnvironment();
    const std::optional<std::string> text = ReadSmallFile(path);
    if (!text) return empty;
    std::optional<FontCache> cache = Parse(*text);
    // A cache without stamps would never go stale.
    if (!cache || cache->environment_ != empty.environment_ || cache->stamps_.empty()) return empty;
    for (const Stamp& stamp : cache->stamps_) {
        if (!(StampOf(stamp.path) == stamp)) return empty;
    }
    return std::move(*cache);
}

std::optional<FontChoice> FontCache::find(const std::string& fontName, FontStyle style) const {
    for (const Entry& entry : entries_) {
        if (entry.style == style && entry.fontName == fontName) return entry.choice;
    }
    return std::nullopt;
}

void FontCache::remember(const std::string& fontName, FontStyle style, const FontChoice& choice,
                         const std::vector<std::string>& watchedPaths) {
    std::vector<Stamp> stamps;
    stamps.reserve(watchedPaths.size());
    for (const std::string& path : watchedPaths) stamps.push_back(StampOf(path));
    if (stamps != stamps_) {
        entries_.clear();
        stamps_ = std::move(stamps);
    }
    std::erase_if(entries_, [&](const Entry& e) { return e.style == style && e.fontName == fontName; });
    if (entries_.size() >= kMaxEntries) entries_.erase(entries_.begin());
    entries_.push_back(Entry{fontName, style, choice});
}

std::string FontCache::text() const {
    std::string out(kMagic);
    out += "env ";
    PutText(out, environment_);
    out += '\n';
    for (const Stamp& s : stamps_) {
        out += "stamp " + std::to_string(s.present ? 1 : 0) + ' ' + std::to_string(s.inode) + ' ' +
               std::to_string(s.size) + ' ' + std::to_string(s.modifiedNs) + ' ' + std::to_string(s.changedNs) + ' ';
        PutText(out, s.path);
        out += '\n';
    }
    for (const Entry& e : entries_) {
        out += "font " + std::to_string(static_cast<int>(e.style)) + ' ' + (e.choice.syntheticBold ? "1 " : "0 ") +
               (e.choice.syntheticOblique ? "1 " : "0 ") + std::to_string(e.choice.faceIndex) + ' ';
        PutText(out, e.fontName);
        out += ' ';
        PutText(out, e.choice.path);
        out += '\n';
    }
    return out;
}

Status FontCache::save(const std::string& path) const {
    const std::string out = text();
    // A cache is rebuilt when it is lost: no need to wait for the disk.
    return WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(out.data()), out.size()),
                               Durability::Quick);
}

}  // namespace glyphora::runecast
