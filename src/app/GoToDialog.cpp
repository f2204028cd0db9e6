#include "GoToDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace glyphora {

GoToDialog::GoToDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GoToCharacterDialog"));
    setWindowTitle(QStringLiteral("Go to character"));
    auto* label = new QLabel(QStringLiteral("Character, or its code (U+0416, 0x416 or 1046):"), this);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("CharacterEdit"));
    field_->setMaxLength(40);
    label->setBuddy(field_);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("CharacterHint"));
    hint_->setWordWrap(true);
    hint_->setMinimumWidth(300);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addWidget(hint_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(field_, &QLineEdit::textChanged, this,
            [this](const QString& text) { hint_->setText(describe_ ? describe_(text) : QString()); });
}

void GoToDialog::setDescriber(std::function<QString(const QString&)> describe) { describe_ = std::move(describe); }

std::optional<QString> GoToDialog::ask() {
    field_->selectAll();
    field_->setFocus();
    hint_->setText(describe_ ? describe_(field_->text()) : QString());
    if (exec() != QDialog::Accepted) return std::nullopt;
    return field_->text();
}

}  // namespace glyphora
