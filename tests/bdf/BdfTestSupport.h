// Small helpers of the BDF tests: glyph pictures ('#' ink, '.' paper, rows
// ended by '\n'), langpacks of one described set, and running programs.
#pragma once

#include <ReadOutcome.h>
#include "GlyphRows.h"
#include "LangpackBuilder.h"
#include "LangpackReader.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace glyphora::bdftest {

// Pixel (x, y) of a glyph of this width in memory-form rows; outside the glyph nothing is ink.
inline bool IsInk(const std::vector<uint8_t>& memoryRows, int width, int x, int y) {
    return x < width && y >= 0 && GlyphRowsToImage(memoryRows, width, y + 1).isInk(x, y);
}

inline std::string Picture(const std::vector<uint8_t>& memoryRows, int width, int height) {
    std::string out;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) out += IsInk(memoryRows, width, x, y) ? '#' : '.';
        out += '\n';
    }
    return out;
}

inline std::string Picture(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* row : rows) out += std::string(row) + "\n";
    return out;
}

inline std::string Picture(const Symbols& glyph, int height) { return Picture(glyph.Data, glyph.Width, height); }

inline TLangpack ReadBuilt(const fixtures::LangpackSpec& spec, std::vector<uint8_t>* bytes = nullptr) {
    fixtures::BuiltLangpack built = fixtures::BuildLangpack(spec);
    ReadOutcome r = Outcome(ReadLangpack(built.Bytes));
    EXPECT_EQ(r.status, ReadStatus::Ok) << r.message;
    if (bytes) *bytes = std::move(built.Bytes);
    return std::move(r.langpack);
}

// Set 1 a small one of its own, set 2 the described one, set 3 its double.
inline fixtures::LangpackSpec GeneralSetLangpack(const fixtures::SetSpec& general) {
    fixtures::LangpackSpec spec;
    spec.Languages = {{0x01, 0, 0}};
    spec.Sets = {fixtures::PatternSet(8, {{0x30, 0x39}}, {5}, 1), general, fixtures::MirrorOf(general, 1)};
    return spec;
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline bool HaveProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

struct Run {
    int status = -1;
    std::string out;
};

// Runs a shell command: its exit status and what it wrote to standard output.
inline Run RunCommand(const std::string& command) {
    Run run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}

}  // namespace glyphora::bdftest
