#include "CodeGroupExtraction.h"

#include "BusyGuard.h"
#include "LocalPath.h"

#include <CodeGroupWindow.h>

#include <QPushButton>

namespace glyphora {

FlashOutcome CodeGroupExtraction::SplitSHX(const std::string& flashFile) {
    ExtractOutcome result;
    {
        BusyGuard busy({mainWindow_, static_cast<QWidget*>(list_->openButton())});
        result = list_->extract(FromLocalPath(flashFile));
    }
    FlashOutcome outcome;
    outcome.LangpackFound = result.LangpackFound;
    outcome.langpackPath = ToLocalPath(result.langpackPath);
    if (result.errorReported)
        outcome.reason = (result.errorDetail.isEmpty() ? result.errorText : result.errorDetail).toStdString();
    return outcome;
}

}  // namespace glyphora
