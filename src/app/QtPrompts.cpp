#include "QtPrompts.h"

#include "FontConvert.h"
#include "LocalPath.h"
#include "LongWorkProgress.h"
#include "ViewPreferences.h"

#include <SetSizeDialog.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>

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

}  // namespace

std::optional<std::string> QtPrompts::runFileDialog(const FileDialog& spec, bool save, NumberField* number) {
    QFileDialog dialog(owner_, QString::fromStdString(spec.title));
    QSpinBox* numberBox = nullptr;
    if (number) {
        // The field goes into the dialog's own grid, below the name and the filter.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        numberBox = new QSpinBox(&dialog);
        numberBox->setObjectName(QStringLiteral("NumberField"));
        numberBox->setRange(number->min, number->max);
        numberBox->setValue(number->value);
        auto* label = new QLabel(QString::fromStdString(number->label), &dialog);
        label->setWordWrap(true);
        label->setBuddy(numberBox);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            const int row = grid->rowCount();
            grid->addWidget(label, row, 0, 1, grid->columnCount() - 1);
            grid->addWidget(numberBox, row, grid->columnCount() - 1);
        }
    }
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(toQt(spec.filters));
    const QString kind = QString::fromStdString(spec.kind);
    const QString last = folders_ && !kind.isEmpty() ? folders_->lastFolder(kind) : QString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        dialog.setDirectory(last);
    else if (!spec.folder.empty())
        dialog.setDirectory(FromLocalPath(spec.folder));
    if (!spec.suggestedName.empty()) dialog.selectFile(FromLocalPath(spec.suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    if (numberBox) number->value = numberBox->value();
    const QString chosen = dialog.selectedFiles().constFirst();
    if (folders_ && !kind.isEmpty()) folders_->setLastFolder(kind, QFileInfo(chosen).absolutePath());
    return ToLocalPath(chosen);
}

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

std::optional<std::string> QtPrompts::chooseOpenFile(const FileDialog& dialog) { return runFileDialog(dialog, false); }

std::optional<std::string> QtPrompts::chooseSaveFile(const FileDialog& dialog) { return runFileDialog(dialog, true); }

std::optional<std::string> QtPrompts::chooseSaveFileAndNumber(const FileDialog& dialog, NumberField& number) {
    return runFileDialog(dialog, true, &number);
}

std::optional<Prompts::Font> QtPrompts::chooseFont(const Font& current) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, ToQFont(current), owner_);
    if (!ok) return std::nullopt;
    return FromQFont(chosen);
}

std::optional<int> QtPrompts::askSize(SizeMode mode, int width, int height) {
    const auto choice = sizeDialog_()->ask(
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
