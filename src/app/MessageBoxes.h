// Every message box of the main window goes through here, so tests can read
// the texts and give the answers. Window title is always "Glyphora".
#pragma once

#include <QString>

class QWidget;

namespace glyphora {

class MessageBoxes {
public:
    enum class Icon { Information, Warning, Error, Question };
    enum class Answer { Yes, No, Cancel };

    virtual ~MessageBoxes() = default;

    // Yes, No and Cancel buttons.
    virtual Answer ask(const QString& text, Icon icon) = 0;
    // One OK button.
    virtual void tell(const QString& text, Icon icon) = 0;

    void information(const QString& text) { tell(text, Icon::Information); }
    void warning(const QString& text) { tell(text, Icon::Warning); }
    void error(const QString& text) { tell(text, Icon::Error); }
};

// Modal QMessageBox owned by the given window.
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* owner) : owner_(owner) {}
    Answer ask(const QString& text, Icon icon) override;
    void tell(const QString& text, Icon icon) override;

private:
    QWidget* owner_;
};

}  // namespace glyphora
