#include "CodeGroupExtraction.h"

#include "BusyGuard.h"

#include <CodeGroupWindow.h>

#include <QPushButton>

#include <optional>
#include <utility>

namespace glyphora {

CodeGroupExtraction::CodeGroupExtraction(QWidget* mainWindow, std::function<CodeGroupWindow*()> list)
    : mainWindow_(mainWindow), list_(std::move(list)) {}

FlashOutcome CodeGroupExtraction::SplitSHX(const std::string& flashFile, const shx::EditedFileQuestion& askEdited) {
    CodeGroupWindow* list = list_();
    if (!shown_)
        shown_.emplace(ExtractionDisplay{[list] { list->extractionBegan(); }, list->extractionReports(),
                                         [list] { list->extractionEnded(); }});
    const auto keepInputOut = [list, this](std::optional<BusyGuard>& busy) {
        busy.emplace(std::initializer_list<QWidget*>{mainWindow_, list->openButton()});
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
    return shown_->SplitSHX(flashFile, ask);
}

}  // namespace glyphora
