// Any bytes as a language file: the parser never reads past them, gives slots
// in 0 to 200 only and UTF-8 text only, and nothing after a refusal; loading
// them ends in one of the allowed states with at most the expected messages.
#include "LanguageFile.h"
#include "LanguageLoader.h"
#include "TextEncoding.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace glyphora;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_language_file: %s\n", what);
    std::abort();
}

class MemoryHost : public LanguageHost {
public:
    explicit MemoryHost(std::span<const uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}
    UiStrings strings;
    std::string language = "fuzz.flp";
    int warnings = 0;
    int defaultSaves = 0;

    UiStrings& uiStrings() override { return strings; }
    std::string& UILanguage() override { return language; }
    void warn(const std::string&) override { ++warnings; }
    void SaveDefaultSetupLang() override {
        ++defaultSaves;
        language = kEnglishLanguage;
    }
    void SaveSetup() override {}
    void applyTexts(const UiStrings&) override {}
    Result<std::vector<uint8_t>> readFile(const std::string& path) override {
        if (path != "fuzz.flp") Fail("a file other than the one named was read");
        return bytes_;
    }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const LanguageFileContent content = ParseLanguageFile(bytes);
    if (!content.headerOk && (content.versionOk || !content.entries.empty() || content.formatFault))
        Fail("something was read without the header line");
    if (content.formatFault != (content.faultLine >= 3)) Fail("a format fault without its line");
    for (const LanguageEntry& entry : content.entries) {
        if (!UiStrings::IsSlot(entry.slot)) Fail("an entry outside slots 0 to 200");
        if (!IsValidUtf8(entry.text)) Fail("an entry whose text is not UTF-8");
        if (entry.text.find_first_of("\r\n") != std::string::npos) Fail("a line ending inside an entry");
    }

    MemoryHost host(bytes);
    LoadLanguage(host, host.language, true);
    const bool refused = !content.headerOk || content.formatFault;
    if (host.defaultSaves != (refused ? 1 : 0)) Fail("the fall-back ran the wrong number of times");
    if (host.language != (refused ? "English" : "fuzz.flp")) Fail("UILanguage is wrong after loading");
    if (host.warnings > 2) Fail("more messages than a file can give");
    return 0;
}
