#include "FlashExtraction.h"

#include <ShxExtractor.h>

namespace glyphora {

FlashOutcome OutcomeOf(const shx::ExtractResult& result) {
    FlashOutcome outcome;
    outcome.LangpackFound = result.LangpackFound;
    outcome.langpackPath = result.langpackPath;
    if (result.error) outcome.reason = result.error->message;
    return outcome;
}

FlashOutcome CoreFlashExtraction::SplitSHX(const std::string& flashFile) {
    return OutcomeOf(shx::ShxExtractor(shx::ExtractCallbacks{}).SplitSHX(flashFile));
}

}  // namespace glyphora
