#include "BuiltinLanguages.h"
#include "LanguageFile.h"
#include "LanguageLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace glyphora {
namespace {

// Files named in `files` come from memory; any other path from the disk.
class FakeHost : public LanguageHost {
public:
    UiStrings strings;
    std::string language;
    std::map<std::string, std::string> files;
    std::vector<std::string> warnings;
    int defaultSaves = 0;
    std::vector<std::string> savedLanguages;
    int applied = 0;
    bool setsEnglishOnDefaultSave = true;

    UiStrings& uiStrings() override { return strings; }
    std::string& UILanguage() override { return language; }
    void warn(const std::string& text) override { warnings.push_back(text); }
    void SaveDefaultSetupLang() override {
        ++defaultSaves;
        if (setsEnglishOnDefaultSave) language = kEnglishLanguage;
    }
    void SaveSetup() override { savedLanguages.push_back(language); }
    void applyTexts(const UiStrings& shown) override {
        ++applied;
        EXPECT_EQ(&shown, &strings);
    }
    Result<std::vector<uint8_t>> readFile(const std::string& path) override {
        const auto it = files.find(path);
        if (it == files.end()) return LanguageHost::readFile(path);
        return std::vector<uint8_t>(it->second.begin(), it->second.end());
    }
};

UiStrings English() {
    UiStrings strings;
    AssignEnglish(strings);
    return strings;
}

const std::string kHead = "[Glyphora LanguagePack]\r\n[Version 1.0b]\r\n";
const std::string kMissing = "/nonexistent/glyphora/Missing.flp";

struct Case {
    const char* name;
    std::string languageName;
    std::string file;  // given under the name "lang.flp" when not empty
    std::vector<std::string> warnings;
    std::string languageAfter;
    int defaultSaves;
    // Slot 27 and slot 170 afterwards; the slots start empty.
    std::string slot27;
    std::string slot170;
};

TEST(LoadLanguage, Cases) {
    const Case cases[] = {
        {"Russian", "Russian", "", {}, "Russian", 0, "Размер изображения", ""},
        {"English", "English", "", {}, "English", 0, "Set size", ""},
        {"unknown name", "German", "", {}, "English", 0, "Set size", ""},
        {"lower case", "english", "", {}, "English", 0, "Set size", ""},
        {"Russian in lower case", "russian", "", {}, "English", 0, "Set size", ""},
        {"missing file", kMissing, "", {}, "English", 0, "Set size", ""},
        {"a file", "lang.flp", kHead + "s80=Text\r\n", {}, "lang.flp", 0, "", ""},
        {"wrong header",
         "lang.flp",
         "[Glyphora]\r\n[Version 1.0b]\r\ns27=Size\r\n",
         {kNotForGlyphoraMessage},
         "English",
         1,
         "Set size",
         ""},
        {"other version",
         "lang.flp",
         "[Glyphora LanguagePack]\r\n[Version 2.0]\r\ns27=Mine\r\n",
         {kVersionMismatchMessage},
         "lang.flp",
         0,
         "Mine",
         ""},
        // Entries before the bad one stay where English does not reach.
        {"bad slot number",
         "lang.flp",
         kHead + "s27=Mine\r\ns170=kept\r\nsABC=Text\r\ns171=never\r\n",
         {kBadFormatMessage},
         "English",
         1,
         "Set size",
         "kept"},
        {"other version and bad slot number",
         "lang.flp",
         "[Glyphora LanguagePack]\r\n\r\ns27x=Size\r\n",
         {kVersionMismatchMessage, kBadFormatMessage},
         "English",
         1,
         "Set size",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHost host;
        host.language = c.languageName;
        if (!c.file.empty()) host.files["lang.flp"] = c.file;
        LoadLanguage(host, host.language, true);
        EXPECT_EQ(host.warnings, c.warnings);
        EXPECT_EQ(host.language, c.languageAfter);
        EXPECT_EQ(host.defaultSaves, c.defaultSaves);
        EXPECT_GE(host.applied, 1);
        EXPECT_EQ(host.strings.text(UiSlot::SetSizeCaption), c.slot27);
        EXPECT_EQ(host.strings.text(170), c.slot170);
        EXPECT_TRUE(host.savedLanguages.empty());
    }
}

TEST(LoadLanguage, AFileAfterEnglishChangesOnlyTheSlotsItNames) {
    FakeHost host;
    host.files["lang.flp"] = kHead + "s80=Text\r\n";
    ChooseEnglish(host);
    ChooseLanguageFile(host, "lang.flp");
    UiStrings expected = English();
    expected.set(UiSlot::InsertTextLabel, "Text");
    EXPECT_EQ(host.strings, expected);
    EXPECT_EQ(host.savedLanguages, (std::vector<std::string>{"English", "lang.flp"}));
    EXPECT_TRUE(host.warnings.empty());
}

TEST(LoadLanguage, ARefusedFileChosenThroughLoadIsStillSaved) {
    FakeHost host;
    host.files["bad.flp"] = "not a language file\r\n";
    ChooseRussian(host);
    ChooseLanguageFile(host, "bad.flp");
    EXPECT_EQ(host.warnings, std::vector<std::string>{kNotForGlyphoraMessage});
    EXPECT_EQ(host.strings, English());
    EXPECT_EQ(host.defaultSaves, 1);
    EXPECT_EQ(host.savedLanguages, (std::vector<std::string>{"Russian", "bad.flp"}));
}

TEST(LoadLanguage, WithoutApplyOnlyTheFallBackShowsTexts) {
    FakeHost good, bad;
    good.files["lang.flp"] = kHead + "s80=Text\r\n";
    bad.files["lang.flp"] = "[Glyphora]\r\n";
    LoadLanguage(good, "lang.flp", false);
    LoadLanguage(bad, "lang.flp", false);
    EXPECT_EQ(good.applied, 0);
    EXPECT_EQ(bad.applied, 1);
}

TEST(LoadLanguage, AFolderReadsAsAMissingFile) {
    const std::string folder = testing::TempDir() + "glyphora-language-folder.flp";
    std::filesystem::create_directories(folder);
    FakeHost host;
    host.language = folder;
    LoadLanguage(host, host.language, true);
    EXPECT_TRUE(host.warnings.empty());
    EXPECT_EQ(host.language, "English");
    EXPECT_EQ(host.strings, English());
    std::filesystem::remove(folder);
}

// A host whose default save leaves UILanguage alone must not make the
// refusal loop: the second refusal ends in English.
TEST(LoadLanguage, TheFallBackRecursesOnceAtMost) {
    FakeHost host;
    host.setsEnglishOnDefaultSave = false;
    host.files["bad.flp"] = "[Glyphora]\r\n";
    host.language = "bad.flp";
    LoadLanguage(host, host.language, true);
    EXPECT_EQ(host.warnings.size(), 2u);
    EXPECT_EQ(host.language, "English");
    EXPECT_EQ(host.strings, English());
}

TEST(ExampleLanguageFile, LoadsWithoutMessageAndSetsEveryShownSlot) {
    const std::string path = std::string(GLYPHORA_LANGUAGES_DIR) + "/Deutsch.flp";
    FakeHost host;
    host.language = path;
    LoadLanguage(host, host.language, true);
    EXPECT_TRUE(host.warnings.empty());
    EXPECT_EQ(host.language, path);
    for (const UiSlot slot : kShownSlots) EXPECT_NE(host.strings.text(slot), "") << static_cast<int>(slot);
    EXPECT_EQ(host.strings.text(UiSlot::HeightLabel), "Höhe:");
}

}  // namespace
}  // namespace glyphora
