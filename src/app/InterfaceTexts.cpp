#include "InterfaceTexts.h"

#include "AboutDialog.h"

#include <CodeGroupWindow.h>
#include <InsertTextDialog.h>
#include <SetSizeDialog.h>
#include <StatusPresenter.h>

#include <QStringList>

namespace glyphora {

namespace {

QString Text(const UiStrings& strings, UiSlot slot) { return QString::fromStdString(strings.text(slot)); }

QString Prefix(const UiStrings& strings, UiSlot slot, StatusPanel panel) {
    const std::string& text = strings.text(slot);
    return text.empty() ? QString::fromLatin1(DefaultStatusPrefix(panel)) : QString::fromStdString(text);
}

}  // namespace

void ApplyInterfaceTexts(const UiStrings& s, const TextWindows& w) {
    if (w.setSize)
        w.setSize->setTexts(Text(s, UiSlot::SetSizeCaption), Text(s, UiSlot::SetSizeApplyButton),
                            Text(s, UiSlot::SetSizeCloseButton), Text(s, UiSlot::WidthLabel),
                            Text(s, UiSlot::HeightLabel));
    if (w.insertText)
        w.insertText->setTexts(Text(s, UiSlot::InsertTextCaption), Text(s, UiSlot::InsertTextCaption),
                               Text(s, UiSlot::SelectFontButton), Text(s, UiSlot::InsertTextLabel));
    if (w.about) w.about->setTexts(Text(s, UiSlot::AboutCaption));
    if (w.codeGroups) {
        QStringList headers;
        for (int column = 0; column < kCodeGroupColumnCount; ++column)
            headers << Text(s, CodeGroupColumnHeader(column));
        w.codeGroups->setTexts(Text(s, UiSlot::CodeGroupCaption), Text(s, UiSlot::OpenBinButton), headers);
    }
    if (w.status)
        w.status->setPrefixes({Prefix(s, UiSlot::SizePrefix, StatusPanel::Size),
                               Prefix(s, UiSlot::CursorPrefix, StatusPanel::Cursor),
                               Prefix(s, UiSlot::SelectPrefix, StatusPanel::Selection)});
}

}  // namespace glyphora
