#include "LanguageLoader.h"

#include "BuiltinLanguages.h"
#include "LanguageFile.h"

#include <FileLayer.h>

namespace glyphora {

// A language file is a few hundred short lines.
constexpr uint64_t kMaxLanguageFileSize = uint64_t{1} << 20;

Result<std::vector<uint8_t>> LanguageHost::readFile(const std::string& path) {
    return ReadWholeFile(path, kMaxLanguageFileSize);
}

namespace {

enum class Call { First, FallBack };

void Load(LanguageHost& host, const std::string& name, bool apply, Call call);

void UseEnglish(LanguageHost& host) {
    host.UILanguage() = kEnglishLanguage;
    AssignEnglish(host.uiStrings());
}

// The file was refused: back to English in the settings, then load what they
// now name. SaveDefaultSetupLang sets UILanguage to "English", so the second
// call takes the built-in set; should a host leave another name there, the
// second call still never falls back again (Call::FallBack), so there is at
// most one level of recursion.
void FallBack(LanguageHost& host, Call call) {
    host.SaveDefaultSetupLang();
    if (call == Call::FallBack) {
        UseEnglish(host);
        host.applyTexts(host.uiStrings());
        return;
    }
    const std::string language = host.UILanguage();
    Load(host, language, true, Call::FallBack);
}

// False when the file was refused and the fall-back has run.
bool LoadFile(LanguageHost& host, const std::vector<uint8_t>& bytes, Call call) {
    const LanguageFileContent content = ParseLanguageFile(bytes);
    if (!content.headerOk) {
        host.warn(kNotForGlyphoraMessage);
        FallBack(host, call);
        return false;
    }
    if (!content.versionOk) host.warn(kVersionMismatchMessage);
    // What was read before a bad entry stays in the slots that the English
    // set does not cover (0 and 169 to 200); no window shows those.
    StoreEntries(content.entries, host.uiStrings());
    if (content.formatFault) {
        host.warn(kBadFormatMessage);
        FallBack(host, call);
        return false;
    }
    return true;
}

// "English" is never looked up as a file, so the fall-back's call reads nothing.
Result<std::vector<uint8_t>> ReadLanguageFile(LanguageHost& host, const std::string& name) {
    if (name == kEnglishLanguage) return MakeError(ErrorKind::Missing, name);
    return host.readFile(name);
}

void Load(LanguageHost& host, const std::string& name, bool apply, Call call) {
    if (name == kRussianLanguage) {
        AssignRussian(host.uiStrings());
    } else if (const Result<std::vector<uint8_t>> file = ReadLanguageFile(host, name)) {
        if (!LoadFile(host, *file, call)) return;
    } else {
        UseEnglish(host);
    }
    if (apply) host.applyTexts(host.uiStrings());
}

}  // namespace

// A copy of the name: the fall-back changes UILanguage, which callers pass.
void LoadLanguage(LanguageHost& host, std::string name, bool apply) {  // NOLINT(performance-unnecessary-value-param)
    Load(host, name, apply, Call::First);
}

void ChooseEnglish(LanguageHost& host) {
    host.UILanguage() = kEnglishLanguage;
    LoadLanguage(host, kEnglishLanguage, true);
    host.SaveSetup();
}

void ChooseRussian(LanguageHost& host) {
    host.UILanguage() = kRussianLanguage;
    LoadLanguage(host, kRussianLanguage, true);
    host.SaveSetup();
}

void ChooseLanguageFile(LanguageHost& host, const std::string& path) {
    LoadLanguage(host, path, true);
    host.UILanguage() = path;
    host.SaveSetup();
}

}  // namespace glyphora
