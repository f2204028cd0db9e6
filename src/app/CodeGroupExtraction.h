// The Open-file flow's extraction of a flash file as the editor runs it: shown
// in the code-group window ("TForm8"), with the main window and the list's
// "Open BIN file" button disabled until it ends, since the extraction lets
// pending events through after each code group.
#pragma once

#include <FlashExtraction.h>

#include <functional>
#include <optional>

class QWidget;

namespace glyphora {

class CodeGroupWindow;

class CodeGroupExtraction : public FlashExtraction {
public:
    // The list is asked for when a flash file is opened (it is built then).
    CodeGroupExtraction(QWidget* mainWindow, std::function<CodeGroupWindow*()> list);
    FlashOutcome SplitSHX(const std::string& flashFile, const shx::EditedFileQuestion& askEdited) override;

private:
    QWidget* mainWindow_;
    std::function<CodeGroupWindow*()> list_;
    std::optional<CoreFlashExtraction> shown_;
};

}  // namespace glyphora
