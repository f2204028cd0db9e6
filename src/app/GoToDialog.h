// Edit -> "Go to character": a small dialog that takes a character or its
// code (Ж, U+0416, 0x416, 1046) and says, while it is typed, what it names.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

namespace glyphora {

class GoToDialog : public QDialog {
    Q_OBJECT
public:
    explicit GoToDialog(QWidget* parent = nullptr);

    // What the line below the field says about the text typed so far.
    void setDescriber(std::function<QString(const QString&)> describe);
    // The text, when the user pressed OK.
    std::optional<QString> ask();

    QLineEdit* field() const { return field_; }
    QLabel* hint() const { return hint_; }

private:
    QLineEdit* field_;
    QLabel* hint_;
    std::function<QString(const QString&)> describe_;
};

}  // namespace glyphora
