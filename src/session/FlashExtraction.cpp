#include "FlashExtraction.h"

#include <ShxExtractor.h>

namespace glyphora {

FlashOutcome CoreFlashExtraction::SplitSHX(const std::string& flashFile) {
    const shx::ExtractResult result = shx::ShxExtractor(shx::ExtractCallbacks{}).SplitSHX(flashFile);
    FlashOutcome outcome;
    outcome.LangpackFound = result.LangpackFound;
    outcome.langpackPath = result.langpackPath;
    if (result.error) outcome.reason = result.error->message;
    return outcome;
}

}  // namespace glyphora
