#include "CodeGroupExtraction.h"

#include "BusyGuard.h"
#include "LocalPath.h"

#include <CodeGroupWindow.h>

#include <QPushButton>

namespace glyphora {

FlashOutcome CodeGroupExtraction::SplitSHX(const std::string& flashFile) {
    BusyGuard busy({mainWindow_, static_cast<QWidget*>(list_->openButton())});
    return OutcomeOf(list_->extract(FromLocalPath(flashFile)));
}

}  // namespace glyphora
