// Extracting the code groups of a flash file, as the Open-file flow needs it.
// The editor runs it through the code-group window (progress, the list of
// files); tests and the command line use the core alone.
#pragma once

#include <string>

namespace glyphora {

struct FlashOutcome {
    bool LangpackFound = false;  // the LangPack code group was written ...
    std::string langpackPath;    // ... to this file
    std::string reason;          // why the extraction broke off, naming the file; empty when it did not
};

class FlashExtraction {
public:
    virtual ~FlashExtraction() = default;
    virtual FlashOutcome SplitSHX(const std::string& flashFile) = 0;
};

namespace shx {
struct ExtractResult;
}

// What the Open-file flow takes from a finished extraction.
FlashOutcome OutcomeOf(const shx::ExtractResult& result);

// The extraction without a window.
class CoreFlashExtraction : public FlashExtraction {
public:
    FlashOutcome SplitSHX(const std::string& flashFile) override;
};

}  // namespace glyphora
