#include "InsertTextDialog.h"

#include <QFontDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace glyphora {

InsertTextDialog::InsertTextDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      font_(DefaultFont()) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Insert text"));

    label_ = new QLabel(QStringLiteral("Text for insert"), this);
    label_->setObjectName(QStringLiteral("Label1"));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("Edit1"));
    label_->setBuddy(edit_);
    insertButton_ = new QPushButton(QStringLiteral("Insert text"), this);
    insertButton_->setObjectName(QStringLiteral("BitBtn1"));
    fontButton_ = new QPushButton(QStringLiteral("Select font"), this);
    fontButton_->setObjectName(QStringLiteral("BitBtn2"));
    // Enter belongs to the text field: were a button the dialog's default, one
    // Enter would insert twice.
    for (QPushButton* b : {insertButton_, fontButton_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(insertButton_);
    buttons->addWidget(fontButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(edit_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edit_->setMinimumWidth(240);

    chooseFont_ = [](const QFont& current, QWidget* owner) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, current, owner);
        if (!ok) return std::nullopt;
        return chosen;
    };
    warn_ = [this](const QString& text) { QMessageBox::warning(this, QStringLiteral("Glyphora"), text); };

    connect(edit_, &QLineEdit::returnPressed, this, &InsertTextDialog::insertText);
    connect(insertButton_, &QPushButton::clicked, this, &InsertTextDialog::insertText);
    connect(fontButton_, &QPushButton::clicked, this, &InsertTextDialog::selectFont);
}

QFont InsertTextDialog::DefaultFont() {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamily(font.defaultFamily());
    font.setPixelSize(11);
    return font;
}

QString InsertTextDialog::text() const { return edit_->text(); }

void InsertTextDialog::setTexts(const QString& caption, const QString& insertButton, const QString& fontButton,
                                const QString& label) {
    setWindowTitle(caption);
    insertButton_->setText(insertButton);
    fontButton_->setText(fontButton);
    label_->setText(label);
}

void InsertTextDialog::insertText() {
    if (edit_->text().isEmpty()) {
        warn_(QStringLiteral("Enter the text."));
        return;
    }
    emit insertRequested(edit_->text(), font_);
    accept();
}

void InsertTextDialog::selectFont() {
    if (const std::optional<QFont> chosen = chooseFont_(font_, this)) font_ = *chosen;
}

void InsertTextDialog::showEvent(QShowEvent* event) {
    // Centred on the desktop, not on the main window.
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        adjustSize();
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    edit_->setFocus();
    QDialog::showEvent(event);
}

}  // namespace glyphora
