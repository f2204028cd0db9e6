#include "CodeGroupExtraction.h"

#include "BusyGuard.h"

#include <CodeGroupWindow.h>

#include <QPushButton>

#include <optional>

namespace glyphora {

CodeGroupExtraction::CodeGroupExtraction(QWidget* mainWindow, CodeGroupWindow* list)
    : mainWindow_(mainWindow),
      list_(list),
      shown_(ExtractionDisplay{[list] { list->extractionBegan(); }, list->extractionReports(),
                               [list] { list->extractionEnded(); }}) {}

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
    return shown_.SplitSHX(flashFile, ask);
}

}  // namespace glyphora
