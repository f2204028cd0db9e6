// Any bytes as Glyphora.ini: the parser keeps exactly the lines that begin
// with a key, in file order, each value the rest of its line; reading the same
// bytes from a file gives the same entries; and the values kept write back
// into a file that reads again unchanged, while no value writes a line of
// its own.
#include "FuzzScratchFolder.h"
#include "Settings.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

using namespace glyphora;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_settings_reader: %s\n", what);
    std::abort();
}

// The lines as the file defines them: split at LF, one CR before it dropped.
std::vector<SettingsEntry> ExpectedEntries(std::string_view text) {
    std::vector<SettingsEntry> out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with("Language="))
            out.push_back({SettingsEntry::Key::Language, std::string(line.substr(9))});
        else if (line.starts_with("BINFile="))
            out.push_back({SettingsEntry::Key::BINFile, std::string(line.substr(8))});
    }
    return out;
}

bool Same(const std::vector<SettingsEntry>& a, const std::vector<SettingsEntry>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].key != b[i].key || a[i].value != b[i].value) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<SettingsEntry> entries = ParseSettings(text);
    if (!Same(entries, ExpectedEntries(text))) Fail("the entries are not the keyed lines of the text");

    // One folder per input: the settings are written and flushed.
    const fuzzing::FuzzScratchFolder scratch("fuzz-settings");
    const std::string path = scratch.path("Glyphora.ini");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out) Fail("the scratch file cannot be written");
    }
    const SettingsRead read = ReadSettingsFile(path);
    if (!read.exists) Fail("an existing file reads as missing");
    if (!Same(read.entries, entries)) Fail("the file reads otherwise than its text");

    // The values the session would keep: the last of each key.
    std::string language, binFile;
    for (const SettingsEntry& entry : entries)
        (entry.key == SettingsEntry::Key::Language ? language : binFile) = entry.value;
    const std::vector<SettingsEntry> kept = {{SettingsEntry::Key::Language, language},
                                             {SettingsEntry::Key::BINFile, binFile}};
    if (!Same(ParseSettings(FormatSettings(language, binFile)), kept)) Fail("the written text reads otherwise");
    // Any bytes as a value, line feeds too, write exactly the two keys: a file
    // name cannot add a line of its own.
    if (ParseSettings(FormatSettings(text, text)).size() != 2) Fail("a value wrote a line of its own");
    if (!WriteSettingsFile(path, language, binFile)) Fail("the settings cannot be written");
    if (!Same(ReadSettingsFile(path).entries, kept)) Fail("the written file reads otherwise");
    return 0;
}
