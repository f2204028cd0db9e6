#include "CodeGroupExtraction.h"

#include "BusyGuard.h"
#include "LocalPath.h"

#include <CodeGroupWindow.h>

#include <QPushButton>

namespace glyphora {

FlashOutcome CodeGroupExtraction::SplitSHX(const std::string& flashFile) {
    shx::ExtractResult result;
    {
        BusyGuard busy({mainWindow_, static_cast<QWidget*>(list_->openButton())});
        result = list_->extract(FromLocalPath(flashFile));
    }
    FlashOutcome outcome;
    outcome.LangpackFound = result.LangpackFound;
    outcome.langpackPath = result.langpackPath;
    if (result.error) outcome.reason = result.error->message;
    return outcome;
}

}  // namespace glyphora
