#include "QtPrompts.h"

#include "FontConvert.h"
#include "LocalPath.h"
#include "LongWorkProgress.h"

#include <SetSizeDialog.h>

#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace glyphora {

namespace {

QMessageBox::Icon toQt(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Warning: return QMessageBox::Warning;
    case Prompts::Icon::Error: return QMessageBox::Critical;
    case Prompts::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QStringList toQt(const std::vector<std::string>& filters) {
    QStringList out;
    for (const std::string& f : filters) out << QString::fromStdString(f);
    return out;
}

std::optional<std::string> runFileDialog(QWidget* owner, const Prompts::FileDialog& spec, bool save) {
    QFileDialog dialog(owner, QString::fromStdString(spec.title));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(toQt(spec.filters));
    if (!spec.folder.empty()) dialog.setDirectory(FromLocalPath(spec.folder));
    if (!spec.suggestedName.empty()) dialog.selectFile(FromLocalPath(spec.suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ToLocalPath(dialog.selectedFiles().constFirst());
}

}  // namespace

Prompts::Answer QtPrompts::ask(const std::string& text, Icon icon, Buttons buttons) {
    QMessageBox::StandardButtons shown = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    if (buttons == Buttons::YesNo) shown = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::OkCancel) shown = QMessageBox::Ok | QMessageBox::Cancel;
    QMessageBox box(toQt(icon), QStringLiteral("Glyphora"), QString::fromStdString(text), shown, owner_);
    box.setDefaultButton(buttons == Buttons::OkCancel ? QMessageBox::Ok : QMessageBox::Yes);
    box.setEscapeButton(buttons == Buttons::YesNo ? QMessageBox::No : QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

void QtPrompts::tell(const std::string& text, Icon icon) {
    QMessageBox box(toQt(icon), QStringLiteral("Glyphora"), QString::fromStdString(text), QMessageBox::Ok, owner_);
    box.exec();
}

std::optional<std::string> QtPrompts::chooseOpenFile(const FileDialog& dialog) {
    return runFileDialog(owner_, dialog, false);
}

std::optional<std::string> QtPrompts::chooseSaveFile(const FileDialog& dialog) {
    return runFileDialog(owner_, dialog, true);
}

std::optional<Prompts::Font> QtPrompts::chooseFont(const Font& current) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, ToQFont(current), owner_);
    if (!ok) return std::nullopt;
    return FromQFont(chosen);
}

std::optional<int> QtPrompts::askSize(SizeMode mode, int width, int height) {
    const auto choice = sizeDialog_->ask(
        mode == SizeMode::Width ? SetSizeDialog::Mode::Width : SetSizeDialog::Mode::Height, width, height);
    if (!choice) return std::nullopt;
    return choice->value;
}

std::optional<std::string> QtPrompts::askText(const std::string& title, const std::string& label,
                                              const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner_, QString::fromStdString(title), QString::fromStdString(label),
                                               QLineEdit::Normal, QString::fromStdString(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::unique_ptr<LongWork> QtPrompts::beginLongWork(const std::string& title) {
    return std::make_unique<LongWorkProgress>(owner_, QString::fromStdString(title));
}

}  // namespace glyphora
