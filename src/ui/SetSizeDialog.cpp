#include "SetSizeDialog.h"

#include "Langpack.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace glyphora {

namespace {

const QString kIncorrect = QStringLiteral("Incorrect number");

// The typed text as a number limited to lo..hi, or nothing when it is no integer.
std::optional<int> limitedNumber(const QString& text, int lo, int hi) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return std::clamp(value, lo, hi);
}

}  // namespace

SetSizeDialog::SetSizeDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Set size image"));

    widthLabel_ = new QLabel(QStringLiteral("Width:"), this);
    widthLabel_->setObjectName(QStringLiteral("Label1"));
    widthEdit_ = new QLineEdit(this);
    widthEdit_->setObjectName(QStringLiteral("Edit1"));
    timesLabel_ = new QLabel(QStringLiteral("x"), this);
    timesLabel_->setObjectName(QStringLiteral("Label3"));
    heightLabel_ = new QLabel(QStringLiteral("Height:"), this);
    heightLabel_->setObjectName(QStringLiteral("Label2"));
    heightEdit_ = new QLineEdit(this);
    heightEdit_->setObjectName(QStringLiteral("Edit2"));
    resultLabel_ = new QLabel(QStringLiteral("0x0"), this);
    resultLabel_->setObjectName(QStringLiteral("Label4"));
    resultLabel_->setAlignment(Qt::AlignCenter);
    setButton_ = new QPushButton(QStringLiteral("Set size"), this);
    setButton_->setObjectName(QStringLiteral("BitBtn1"));
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("BitBtn2"));
    // Enter belongs to the fields (it applies even while "Set size" is disabled),
    // so neither button may take it as the dialog's default.
    for (QPushButton* b : {setButton_, cancelButton_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    widthEdit_->setMaxLength(12);
    heightEdit_->setMaxLength(12);

    auto* fields = new QGridLayout;
    fields->addWidget(widthLabel_, 0, 0);
    fields->addWidget(heightLabel_, 0, 2);
    fields->addWidget(widthEdit_, 1, 0);
    fields->addWidget(timesLabel_, 1, 1);
    fields->addWidget(heightEdit_, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(setButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(resultLabel_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(widthEdit_, &QLineEdit::textChanged, this, &SetSizeDialog::widthEdited);
    connect(heightEdit_, &QLineEdit::textChanged, this, &SetSizeDialog::heightEdited);
    connect(widthEdit_, &QLineEdit::returnPressed, this, &SetSizeDialog::applySize);
    connect(heightEdit_, &QLineEdit::returnPressed, this, &SetSizeDialog::applySize);
    connect(setButton_, &QPushButton::clicked, this, &SetSizeDialog::applySize);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void SetSizeDialog::prepare(Mode mode, int glyphWidth, int glyphHeight) {
    mode_ = mode;
    newWidth_ = glyphWidth;
    newHeight_ = glyphHeight;
    {
        const QSignalBlocker blockWidth(widthEdit_);
        const QSignalBlocker blockHeight(heightEdit_);
        widthEdit_->setText(QString::number(glyphWidth));
        heightEdit_->setText(QString::number(glyphHeight));
    }
    widthEdit_->setEnabled(mode == Mode::Width);
    heightEdit_->setEnabled(mode == Mode::Height);
    QLineEdit* field = mode == Mode::Width ? widthEdit_ : heightEdit_;
    field->setFocus();
    field->selectAll();
    setButton_->setEnabled(true);
    showResult();
}

void SetSizeDialog::setTexts(const QString& caption, const QString& applyButton, const QString& cancelButton,
                             const QString& widthLabel, const QString& heightLabel) {
    setWindowTitle(caption);
    setButton_->setText(applyButton);
    cancelButton_->setText(cancelButton);
    widthLabel_->setText(widthLabel);
    heightLabel_->setText(heightLabel);
}

std::optional<SetSizeDialog::Choice> SetSizeDialog::ask(Mode mode, int glyphWidth, int glyphHeight) {
    prepare(mode, glyphWidth, glyphHeight);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return choice();
}

void SetSizeDialog::showResult() { resultLabel_->setText(QStringLiteral("%1x%2").arg(newWidth_).arg(newHeight_)); }

void SetSizeDialog::widthEdited() {
    if (const auto value = limitedNumber(widthEdit_->text(), 1, kMaxGlyphWidth)) {
        newWidth_ = *value;
        showResult();
        setButton_->setEnabled(true);
    } else {
        resultLabel_->setText(kIncorrect + QStringLiteral("x%1").arg(newHeight_));
        setButton_->setEnabled(false);
    }
}

void SetSizeDialog::heightEdited() {
    if (const auto value = limitedNumber(heightEdit_->text(), 1, kMaxHeight)) {
        newHeight_ = *value;
        showResult();
        setButton_->setEnabled(true);
    } else {
        resultLabel_->setText(QStringLiteral("%1x").arg(newWidth_) + kIncorrect);
        setButton_->setEnabled(false);
    }
}

void SetSizeDialog::applySize() { accept(); }

}  // namespace glyphora
