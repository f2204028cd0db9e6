#include "FlashExtraction.h"

#include "FileNames.h"

#include <ShxExtractor.h>

namespace glyphora {

// The user learns whether the file, the folder or the disk is to blame.
std::string FlashFaultHeadline(const FlashOutcome& outcome, const std::string& flashFile) {
    using shx::ExtractFault;
    switch (outcome.fault) {
    case ExtractFault::None:
    case ExtractFault::NotFlashFile: return "This file is not langpack.";
    case ExtractFault::ReadFailed: return "The flash file cannot be read.";
    case ExtractFault::Cut: return "The flash file is cut short: it ends before its last code group.";
    case ExtractFault::Checksum: return "The flash file is damaged: a record fails its checksum.";
    case ExtractFault::Damaged: return "The flash file is damaged: its records break the S-record format.";
    case ExtractFault::Unsupported: return "The flash file holds records of a type this program does not read.";
    case ExtractFault::CannotCreate: {
        const std::string folder = FolderOf(flashFile);
        return "The folder " + (folder.empty() ? std::string(".") : folder) + " cannot be written.";
    }
    case ExtractFault::WriteFailed: return "A disk error stopped the extraction: a code-group file is not complete.";
    case ExtractFault::OutputRefused: return "The extraction does not write over the file named below.";
    }
    return "This file is not langpack.";
}

FlashOutcome OutcomeOf(const shx::ExtractResult& result) {
    FlashOutcome outcome;
    outcome.LangpackFound = result.LangpackFound;
    outcome.langpackPath = result.langpackPath;
    if (result.error) {
        outcome.reason = result.error->message;
        outcome.kind = result.error->kind;
    }
    outcome.fault = result.fault;
    return outcome;
}

FlashOutcome CoreFlashExtraction::SplitSHX(const std::string& flashFile, const shx::EditedFileQuestion& askEdited) {
    if (running_) {
        FlashOutcome refused;
        refused.reason = "An extraction is already running.";
        refused.kind = ErrorKind::Refused;
        return refused;
    }
    running_ = true;
    struct Running {
        bool& flag;
        const std::function<void()>& ended;
        ~Running() {
            flag = false;
            if (ended) ended();
        }
    } running{running_, display_.ended};
    if (display_.began) display_.began();
    shx::ExtractCallbacks callbacks = display_.reports;
    callbacks.askEdited = askEdited;
    return OutcomeOf(shx::ShxExtractor(std::move(callbacks)).SplitSHX(flashFile));
}

}  // namespace glyphora
