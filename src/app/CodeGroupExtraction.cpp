#include "CodeGroupExtraction.h"

#include "BusyGuard.h"
#include "LocalPath.h"

#include <CodeGroupWindow.h>

#include <QPushButton>

#include <optional>

namespace glyphora {

FlashOutcome CodeGroupExtraction::SplitSHX(const std::string& flashFile, const shx::EditedFileQuestion& askEdited) {
    const auto keepInputOut = [this](std::optional<BusyGuard>& busy) {
        busy.emplace(std::initializer_list<QWidget*>{mainWindow_, list_->openButton()});
    };
    std::optional<BusyGuard> busy;
    keepInputOut(busy);
    // A question needs the window it is asked over: the input comes back
    // while it is open.
    shx::EditedFileQuestion ask;
    if (askEdited)
        ask = [&](const std::string& path) {
            busy.reset();
            const shx::EditedFileChoice choice = askEdited(path);
            keepInputOut(busy);
            return choice;
        };
    return OutcomeOf(list_->extract(FromLocalPath(flashFile), std::move(ask)));
}

}  // namespace glyphora
