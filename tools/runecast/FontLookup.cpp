#include "FontLookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>

namespace glyphora::runecast {

namespace {

// Owns fontconfig for one lookup: everything it hands out is copied before
// FcFini, which leaves nothing behind for a leak checker to report.
class FontconfigSession {
public:
    FontconfigSession() : ok_(FcInit() == FcTrue) {}
    FontconfigSession(const FontconfigSession&) = delete;
    FontconfigSession& operator=(const FontconfigSession&) = delete;
    ~FontconfigSession() {
        if (ok_) FcFini();
    }
    bool ok() const { return ok_; }

private:
    bool ok_;
};

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

// fontconfig compares family names ignoring case and blanks.
std::string FamilyKey(const char* name) {
    std::string key;
    for (const char* p = name; *p; ++p) {
        if (*p != ' ') key += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    }
    return key;
}

std::vector<std::string> Families(FcPattern* pattern, bool boundOnly) {
    std::vector<std::string> names;
    FcPatternIter iter;
    if (!FcPatternFindIter(pattern, &iter, FC_FAMILY)) return names;
    const int count = FcPatternIterValueCount(pattern, &iter);
    for (int i = 0; i < count; ++i) {
        FcValue value;
        FcValueBinding binding = FcValueBindingWeak;
        if (FcPatternIterGetValue(pattern, &iter, i, &value, &binding) != FcResultMatch) continue;
        if (value.type != FcTypeString) continue;
        // Names the user gave and the aliases that stand for them are bound
        // strongly; the defaults appended for any name are weak.
        if (boundOnly && binding == FcValueBindingWeak) continue;
        names.push_back(FamilyKey(reinterpret_cast<const char*>(value.u.s)));
    }
    return names;
}

// Names that stand for a kind of font rather than one family.
bool IsGenericFamily(const std::string& key) {
    static const char* const kGeneric[] = {"sans-serif", "sans",  "serif", "monospace", "mono",    "cursive",
                                           "fantasy",    "emoji", "math",  "system-ui", "fangsong"};
    return std::any_of(std::begin(kGeneric), std::end(kGeneric), [&](const char* g) { return key == g; });
}

std::string FirstFamily(FcPattern* pattern) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) != FcResultMatch) return "?";
    return reinterpret_cast<const char*>(family);
}

void AppendList(FcStrList* list, std::vector<std::string>& out) {
    if (!list) return;
    while (FcChar8* s = FcStrListNext(list)) {
        out.emplace_back(reinterpret_cast<const char*>(s));
    }
    FcStrListDone(list);
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::vector<std::string> WatchedPaths() {
    std::vector<std::string> configFiles;
    AppendList(FcConfigGetConfigFiles(nullptr), configFiles);
    std::vector<std::string> paths = configFiles;
    // A file added to or removed from a configuration folder changes the
    // folder's time stamp, not that of any file fontconfig has read.
    for (const std::string& file : configFiles) {
        const auto slash = file.find_last_of('/');
        if (slash != std::string::npos && slash > 0) paths.push_back(file.substr(0, slash));
    }
    // The user's configuration, which fontconfig includes only when present.
    const std::string home = Env("HOME");
    std::string configHome = Env("XDG_CONFIG_HOME");
    if (configHome.empty() && !home.empty()) configHome = home + "/.config";
    if (!configHome.empty()) {
        paths.push_back(configHome + "/fontconfig");
        paths.push_back(configHome + "/fontconfig/fonts.conf");
        paths.push_back(configHome + "/fontconfig/conf.d");
    }
    if (!home.empty()) {
        paths.push_back(home + "/.fonts.conf");
        paths.push_back(home + "/.fonts.conf.d");
    }
    // fc-cache replaces the cache files by renaming, which touches the folder;
    // a font copied into a font folder touches that folder.
    AppendList(FcConfigGetCacheDirs(nullptr), paths);
    AppendList(FcConfigGetFontDirs(nullptr), paths);
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

}  // namespace

Result<FontLookupResult> LookUpFont(const std::string& familyName, FontStyle style) {
    FontconfigSession session;
    if (!session.ok()) {
        return MakeError(ErrorKind::Failed, "fontconfig could not load its configuration");
    }
    std::string family = familyName;
    std::string foundry;
    const auto bracket = familyName.rfind(" [");
    if (bracket != std::string::npos && bracket > 0 && familyName.back() == ']') {
        family = familyName.substr(0, bracket);
        foundry = familyName.substr(bracket + 2, familyName.size() - bracket - 3);
    }

    PatternPtr pattern(FcPatternCreate());
    if (!pattern) return MakeError(ErrorKind::Failed, "fontconfig: out of memory");
    const auto* familyText = reinterpret_cast<const FcChar8*>(family.c_str());
    FcPatternAddString(pattern.get(), FC_FAMILY, familyText);
    if (!foundry.empty()) {
        FcPatternAddString(pattern.get(), FC_FOUNDRY, reinterpret_cast<const FcChar8*>(foundry.c_str()));
    }
    FcPatternAddInteger(pattern.get(), FC_SLANT, IsItalic(style) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, IsBold(style) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    std::vector<std::string> asked = Families(pattern.get(), true);
    if (std::any_of(asked.begin(), asked.end(), IsGenericFamily)) asked.clear();

    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match) {
        return MakeError(ErrorKind::Missing, "no installed font matches '" + familyName + "'");
    }
    if (!asked.empty()) {
        const std::vector<std::string> offered = Families(match.get(), false);
        const bool found = std::any_of(offered.begin(), offered.end(), [&](const std::string& f) {
            return std::find(asked.begin(), asked.end(), f) != asked.end();
        });
        if (!found) {
            return MakeError(ErrorKind::Missing, "no installed font family '" + familyName +
                                                     "' (fontconfig would use '" + FirstFamily(match.get()) +
                                                     "'); for a font file fontconfig does not list, give its path");
        }
    }

    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
        return MakeError(ErrorKind::Missing, "fontconfig names no file for '" + familyName + "'");
    }
    FontLookupResult found;
    found.choice.path = reinterpret_cast<const char*>(file);
    int index = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) {
        found.choice.faceIndex = index;
    }
    // Where the family lacks the face, fontconfig's own rules usually say so
    // (embolden, a shearing matrix); without those rules the weight and slant
    // of the face it chose tell.
    FcBool embolden = FcFalse;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    FcMatrix* matrix = nullptr;
    FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden);
    FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
    const bool sheared =
        FcPatternGetMatrix(match.get(), FC_MATRIX, 0, &matrix) == FcResultMatch && matrix && matrix->xy != 0.0;
    found.choice.syntheticBold = IsBold(style) && (embolden == FcTrue || weight < FC_WEIGHT_DEMIBOLD);
    found.choice.syntheticOblique = IsItalic(style) && (sheared || slant == FC_SLANT_ROMAN);
    found.watchedPaths = WatchedPaths();
    return found;
}

}  // namespace glyphora::runecast
