#include "FlashExtraction.h"

#include <ShxExtractor.h>

namespace glyphora {

FlashOutcome CoreFlashExtraction::SplitSHX(const std::string& flashFile) {
    const shx::ExtractResult result = shx::ShxExtractor(shx::ExtractCallbacks{}).SplitSHX(flashFile);
    FlashOutcome outcome;
    outcome.LangpackFound = result.LangpackFound;
    outcome.langpackPath = result.langpackPath;
    if (result.errorReported()) outcome.reason = result.errorDetail.empty() ? result.errorText : result.errorDetail;
    return outcome;
}

}  // namespace glyphora
