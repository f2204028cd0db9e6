#include "MessageBoxes.h"

#include <QMessageBox>

namespace glyphora {

namespace {

QMessageBox::Icon toQt(MessageBoxes::Icon icon) {
    switch (icon) {
    case MessageBoxes::Icon::Information: return QMessageBox::Information;
    case MessageBoxes::Icon::Warning: return QMessageBox::Warning;
    case MessageBoxes::Icon::Error: return QMessageBox::Critical;
    case MessageBoxes::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageBoxes::Answer QtMessageBoxes::ask(const QString& text, Icon icon) {
    QMessageBox box(toQt(icon), QStringLiteral("Glyphora"), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

void QtMessageBoxes::tell(const QString& text, Icon icon) {
    QMessageBox box(toQt(icon), QStringLiteral("Glyphora"), text, QMessageBox::Ok, owner_);
    box.exec();
}

}  // namespace glyphora
