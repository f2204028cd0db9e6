// The set-size dialog ("TForm5", "Set size image"): one typed value, either the
// working glyph's width or the current set's height. The window applies it.
#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace glyphora {

class SetSizeDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Width, Height };
    struct Choice {
        Mode mode;
        int value;  // NewWidth (1..15) or NewHeight (1..255)
    };

    explicit SetSizeDialog(QWidget* parent = nullptr);

    // Fills the fields with the glyph's size and enables the one of `mode`;
    // ask() then shows the dialog modally.
    void prepare(Mode mode, int glyphWidth, int glyphHeight);
    // The chosen mode and value, or nothing when the dialog was cancelled.
    std::optional<Choice> ask(Mode mode, int glyphWidth, int glyphHeight);

    // The texts of the interface language: the caption, "Set size" (BitBtn1),
    // "Cancel" (BitBtn2) and the labels of the two fields.
    void setTexts(const QString& caption, const QString& applyButton, const QString& cancelButton,
                  const QString& widthLabel, const QString& heightLabel);

    // The value "Set size" applies in the current mode.
    Choice choice() const { return {mode_, mode_ == Mode::Width ? newWidth_ : newHeight_}; }

private:
    void widthEdited();
    void heightEdited();
    void showResult();
    void applySize();

    QLabel* widthLabel_;         // Label1
    QLineEdit* widthEdit_;       // Edit1
    QLabel* timesLabel_;         // Label3
    QLabel* heightLabel_;        // Label2
    QLineEdit* heightEdit_;      // Edit2
    QLabel* resultLabel_;        // Label4
    QPushButton* setButton_;     // BitBtn1
    QPushButton* cancelButton_;  // BitBtn2
    Mode mode_ = Mode::Width;
    // Kept between uses of the dialog.
    int newWidth_ = 0;
    int newHeight_ = 0;
};

}  // namespace glyphora
