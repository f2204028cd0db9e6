// The insert-text dialog ("TForm2", "Insert text"): a line of text and a
// desktop font. Created once and reused, so the text and the font stay from
// one use to the next. It does not touch the editor: "Insert text" asks for
// the insertion through insertRequested, and the window places the picture.
#pragma once

#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace glyphora {

class InsertTextDialog : public QDialog {
    Q_OBJECT
public:
    // Asks the user for a font, starting from `current`; nothing when cancelled.
    using FontChooser = std::function<std::optional<QFont>(const QFont& current, QWidget* parent)>;
    // Shows a warning ("Glyphora", warning icon, OK).
    using Warn = std::function<void(const QString& text)>;

    explicit InsertTextDialog(QWidget* parent = nullptr);

    // The desktop's default sans-serif family at a pixel height of 11.
    static QFont DefaultFont();

    QString text() const;
    QFont textFont() const { return font_; }
    void setTextFont(const QFont& font) { font_ = font; }

    // The desktop's font dialog and message box by default; tests put their own.
    void setFontChooser(FontChooser chooser) { chooseFont_ = std::move(chooser); }
    void setWarn(Warn warn) { warn_ = std::move(warn); }

    // The texts of the interface language: the caption, the two buttons and the label.
    void setTexts(const QString& caption, const QString& insertButton, const QString& fontButton, const QString& label);

    // "Insert text" (BitBtn1, also Enter in Edit1): an empty text gets the
    // warning "Enter the text." and nothing else; any other text is asked for
    // through insertRequested and the dialog closes (accepted).
    void insertText();
    // "Select font" (BitBtn2): a chosen font is used from now on; cancelling changes nothing.
    void selectFont();

signals:
    void insertRequested(const QString& text, const QFont& font);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* label_;              // Label1
    QLineEdit* edit_;            // Edit1
    QPushButton* insertButton_;  // BitBtn1
    QPushButton* fontButton_;    // BitBtn2
    QFont font_;
    FontChooser chooseFont_;
    Warn warn_;
};

}  // namespace glyphora
