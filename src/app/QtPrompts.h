// The session's questions as Qt shows them: message boxes captioned
// "Glyphora" owned by the main window, file and font dialogs, the set-size
// dialog ("TForm5") and a line of text.
#pragma once

#include <Prompts.h>

#include <functional>
#include <utility>

class QWidget;

namespace glyphora {

class SetSizeDialog;
class ViewPreferences;

class QtPrompts : public Prompts {
public:
    // The set-size dialog is asked for when a size is asked (it is built then).
    QtPrompts(QWidget* owner, std::function<SetSizeDialog*()> sizeDialog)
        : owner_(owner), sizeDialog_(std::move(sizeDialog)) {}

    Answer ask(const std::string& text, Icon icon, Buttons buttons) override;
    void tell(const std::string& text, Icon icon) override;
    std::optional<std::string> chooseOpenFile(const FileDialog& dialog) override;
    std::optional<std::string> chooseSaveFile(const FileDialog& dialog) override;
    std::optional<std::string> chooseSaveFileAndNumber(const FileDialog& dialog, NumberField& number) override;
    std::optional<Font> chooseFont(const Font& current) override;
    std::optional<int> askSize(SizeMode mode, int width, int height) override;
    std::optional<std::string> askText(const std::string& title, const std::string& label,
                                       const std::string& initial) override;
    std::unique_ptr<LongWork> beginLongWork(const std::string& title) override;

    // Dialogs of a kind open in the folder where the last one was accepted.
    void setFolderMemory(ViewPreferences* preferences) { folders_ = preferences; }

private:
    std::optional<std::string> runFileDialog(const FileDialog& spec, bool save, NumberField* number = nullptr);

    ViewPreferences* folders_ = nullptr;
    QWidget* owner_;
    std::function<SetSizeDialog*()> sizeDialog_;
};

}  // namespace glyphora
