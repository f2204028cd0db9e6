// Runs extractions in memory or on disk and records what the callbacks saw.
#pragma once

#include "ExtractStreams.h"
#include "ShxBuilder.h"
#include "ShxExtractor.h"

#include <cstdint>
#include <string>
#include <vector>

namespace glyphora::shx::testing {

struct ExtractRecorder {
    std::vector<std::string> statuses;
    std::vector<CodeGroupRow> rows;
    std::vector<uint64_t> positions;
    uint64_t maximum = 0;
    int headerAccepted = 0;
    int pendingMessages = 0;
    std::vector<std::string> langpacks;

    ExtractCallbacks callbacks() {
        ExtractCallbacks c;
        c.status = [this](const std::string& text) { statuses.push_back(text); };
        c.progress = [this](uint64_t, uint64_t max, uint64_t position) {
            maximum = max;
            positions.push_back(position);
        };
        c.headerAccepted = [this] { ++headerAccepted; };
        c.codeGroupWritten = [this](const CodeGroupRow& row) { rows.push_back(row); };
        c.processPendingMessages = [this] { ++pendingMessages; };
        c.langpackFound = [this](const std::string& path) { langpacks.push_back(path); };
        return c;
    }
};

inline constexpr const char* kFlashPath = "/fw/phone.shx";

struct MemoryRun {
    ExtractRecorder recorder;
    MemoryFolder folder;
    ExtractResult result;

    explicit MemoryRun(const std::vector<uint8_t>& file) {
        MemoryInput input(kFlashPath, file);
        result = ShxExtractor(recorder.callbacks()).SplitSHX(input, folder);
    }

    bool has(const std::string& path) const { return folder.files().count(path) != 0; }
    const std::vector<uint8_t>& bytesOf(const std::string& path) const { return folder.files().at(path).bytes; }
};

}  // namespace glyphora::shx::testing
