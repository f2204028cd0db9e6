// Extracting the code groups of a flash file, as the Open-file flow needs it.
// The editor shows it in the code-group window (progress, the list of
// files); tests and the command line run it without a display.
#pragma once

#include <Error.h>
#include <ShxExtractor.h>

#include <functional>
#include <optional>
#include <string>

namespace glyphora {

struct FlashOutcome {
    bool LangpackFound = false;  // the LangPack code group was written ...
    std::string langpackPath;    // ... to this file
    std::string reason;          // why the extraction broke off, naming the file; empty when it did not
    shx::ExtractFault fault = shx::ExtractFault::None;
    std::optional<ErrorKind> kind;  // of the fault, when there was one
};

// The first line of the message when a flash file gave no langpack: the kind
// of fault in words. Only a file that is not a flash file at all (or holds no
// LangPack code group) is "This file is not langpack.".
std::string FlashFaultHeadline(const FlashOutcome& outcome, const std::string& flashFile);

class FlashExtraction {
public:
    virtual ~FlashExtraction() = default;
    // askEdited decides about a file at an output name that holds other bytes
    // than the extraction writes there (the user may have edited it).
    virtual FlashOutcome SplitSHX(const std::string& flashFile, const shx::EditedFileQuestion& askEdited) = 0;
};

// What the Open-file flow takes from a finished extraction.
FlashOutcome OutcomeOf(const shx::ExtractResult& result);

// What a window shows of an extraction while it runs: `began` before the
// first record, the extractor's reports (its askEdited aside), and `ended`
// however it ended.
struct ExtractionDisplay {
    std::function<void()> began;
    shx::ExtractCallbacks reports;
    std::function<void()> ended;
};

// The extraction, shown on a display when it is given one. A display that
// lets events through may let another open start meanwhile: that one is
// refused.
class CoreFlashExtraction : public FlashExtraction {
public:
    CoreFlashExtraction() = default;
    explicit CoreFlashExtraction(ExtractionDisplay display) : display_(std::move(display)) {}
    FlashOutcome SplitSHX(const std::string& flashFile, const shx::EditedFileQuestion& askEdited) override;

private:
    ExtractionDisplay display_;
    bool running_ = false;
};

}  // namespace glyphora
