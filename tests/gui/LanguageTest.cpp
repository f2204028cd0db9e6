// The interface language as the windows show it: applied when the main window
// is first shown, switched through the items of the "Language" menu, and put
// into the four secondary windows and the status-bar prefixes.
#include "GuiFixture.h"

#include <AboutDialog.h>
#include <CodeGroupWindow.h>
#include <InsertTextDialog.h>
#include <LanguageLoader.h>
#include <SetSizeDialog.h>

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include <map>

namespace glyphora::testing {
namespace {

using fixtures::TypicalLangpack;

const QByteArray kHead = "[Glyphora LanguagePack]\r\n[Version 1.0b]\r\n";

QString Child(QWidget* window, const char* name) {
    if (auto* button = window->findChild<QPushButton*>(name)) return button->text();
    if (auto* label = window->findChild<QLabel*>(name)) return label->text();
    return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

class LanguageTest : public GuiFixture {
protected:
    // What every control that shows a slot reads now, by slot.
    std::multimap<int, QString> shownTexts() {
        MainWindow& w = window();
        std::multimap<int, QString> shown;
        auto put = [&shown](UiSlot slot, const QString& text) { shown.emplace(static_cast<int>(slot), text); };
        SetSizeDialog* size = w.setSizeDialog();
        put(UiSlot::SetSizeCaption, size->windowTitle());
        put(UiSlot::SetSizeApplyButton, Child(size, "BitBtn1"));
        put(UiSlot::SetSizeCloseButton, Child(size, "BitBtn2"));
        put(UiSlot::WidthLabel, Child(size, "Label1"));
        put(UiSlot::HeightLabel, Child(size, "Label2"));
        InsertTextDialog* insert = w.insertTextDialog();
        put(UiSlot::InsertTextCaption, insert->windowTitle());
        put(UiSlot::InsertTextCaption, Child(insert, "BitBtn1"));
        put(UiSlot::SelectFontButton, Child(insert, "BitBtn2"));
        put(UiSlot::InsertTextLabel, Child(insert, "Label1"));
        put(UiSlot::AboutCaption, w.aboutDialog()->windowTitle());
        CodeGroupWindow* groups = w.codeGroupWindow();
        put(UiSlot::CodeGroupCaption, groups->windowTitle());
        put(UiSlot::OpenBinButton, groups->openButton()->text());
        for (int column = 0; column < kCodeGroupColumnCount; ++column)
            put(CodeGroupColumnHeader(column), groups->grid()->horizontalHeaderItem(column)->text());
        return shown;
    }
    QString glyphSize() {
        return QStringLiteral("%1x%2").arg(window().editor().GlyphWidth()).arg(window().editor().GlyphHeight());
    }
    QString settingsLanguage() {
        const QList<QByteArray> lines = readText(settingsPath()).split('\n');
        return lines.size() > 2 ? QString::fromUtf8(lines[2].trimmed()) : QString();
    }
    QAction* checkedItem() {
        const MainActions& a = window().actions();
        for (QAction* item : {a.action(Command::English), a.action(Command::Russian), a.action(Command::LoadLanguage)})
            if (item->isChecked()) return item;
        return nullptr;
    }
};

// Every window takes its text from its own slot: a file that gives each shown
// slot a text of its own finds each one in its place.
TEST_F(LanguageTest, EachControlShowsItsOwnSlot) {
    QByteArray file = kHead;
    for (UiSlot slot : kShownSlots)
        file += QByteArray("s") + QByteArray::number(static_cast<int>(slot)) + "=slot " +
                QByteArray::number(static_cast<int>(slot)) + "\r\n";
    boxes_->openFiles.push_back(writeText("every.flp", file).toStdString());
    window().action(Command::LoadLanguage)->trigger();
    ASSERT_TRUE(boxes_->shown.empty());
    for (const auto& [slot, text] : shownTexts()) EXPECT_EQ(text.toStdString(), "slot " + std::to_string(slot));
}

// The language of the settings is applied when the window is first shown; the
// status prefix of an empty slot is the English one, window texts stay empty.
TEST_F(LanguageTest, TheSettingsLanguageIsAppliedAtTheFirstShowing) {
    const QString only80 = writeText("only80.flp", kHead + "s80=Text\r\n");
    const QString langpack = writeLangpack("lang.smg", TypicalLangpack());
    struct Case {
        QString language;
        QString caption;         // of the set-size dialog
        QString sizePrefix;      // of the first status panel
        std::string uiLanguage;  // afterwards
    };
    const Case cases[] = {
        {"Russian", "Размер изображения", "Размер: ", "Russian"},
        {"German", "Set size", "Size: ", "English"},
        {"english", "Set size", "Size: ", "English"},
        {only80, "", "Size: ", only80.toStdString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        window_.reset();
        writeText("Glyphora.ini", ("Language=" + c.language + "\r\nBINFile=" + langpack + "\r\n").toUtf8());
        EXPECT_EQ(window().setSizeDialog()->windowTitle(), "Set size image");  // not before the showing
        window().show();
        EXPECT_EQ(window().setSizeDialog()->windowTitle(), c.caption);
        EXPECT_EQ(window().statusText(0), c.sizePrefix + glyphSize());
        EXPECT_EQ(session().UILanguage(), c.uiLanguage);
        EXPECT_EQ(checkedItem(), c.uiLanguage == "English"   ? window().action(Command::English)
                                 : c.uiLanguage == "Russian" ? window().action(Command::Russian)
                                                             : window().action(Command::LoadLanguage));
    }
    EXPECT_EQ(Child(window().insertTextDialog(), "Label1"), "Text");
    EXPECT_TRUE(boxes_->shown.empty());
}

// The translated prefixes stay when the editor writes the panels again.
TEST_F(LanguageTest, SwitchingToRussianRelabelsTheStatusPanels) {
    window().show();
    open(writeLangpack("lang.smg", TypicalLangpack()));
    window().action(Command::SelectAll)->trigger();
    const QString selection = window().statusText(2).mid(QStringLiteral("Select: ").size());
    ASSERT_EQ(window().statusText(2), "Select: " + selection);
    window().action(Command::Russian)->trigger();
    EXPECT_EQ(window().statusText(2), "Выделение: " + selection);
    EXPECT_EQ(window().statusText(0), "Размер: " + glyphSize());
    window().editor().FalseGoBegin();
    const QString before = glyphSize();
    window().action(Command::IncreaseWidth)->trigger();
    ASSERT_NE(glyphSize(), before);
    EXPECT_EQ(window().statusText(0), "Размер: " + glyphSize());
}

TEST_F(LanguageTest, TheMenuItemsSwitchAndSaveTheLanguage) {
    window().show();
    const MainActions& a = window().actions();
    EXPECT_FALSE(a.menu(Menu::Language)->isEnabled());

    a.action(Command::Russian)->trigger();
    EXPECT_EQ(window().aboutDialog()->windowTitle(), "О программе...");
    EXPECT_EQ(settingsLanguage(), "Language=Russian");
    EXPECT_EQ(checkedItem(), a.action(Command::Russian));

    // A cancelled dialog changes nothing, not even the chosen item.
    boxes_->openFiles.push_back(std::nullopt);
    a.action(Command::LoadLanguage)->trigger();
    ASSERT_EQ(boxes_->fileDialogs.size(), 1u);
    EXPECT_EQ(boxes_->fileDialogs[0].filters, std::vector<std::string>{"Glyphora LanguagePack (*.flp)"});
    EXPECT_EQ(boxes_->fileDialogs[0].folder, path("Languages").toStdString());
    EXPECT_EQ(checkedItem(), a.action(Command::Russian));

    const QString german = writeText("Deutsch.flp", kHead + "s54=Über...\r\n");
    boxes_->openFiles.push_back(german.toStdString());
    a.action(Command::LoadLanguage)->trigger();
    EXPECT_EQ(window().aboutDialog()->windowTitle(), "Über...");
    EXPECT_EQ(window().setSizeDialog()->windowTitle(), "Размер изображения");  // kept from Russian
    EXPECT_EQ(settingsLanguage(), "Language=" + german);
    EXPECT_EQ(checkedItem(), a.action(Command::LoadLanguage));

    a.action(Command::English)->trigger();
    EXPECT_EQ(window().aboutDialog()->windowTitle(), "About...");
    EXPECT_EQ(settingsLanguage(), "Language=English");
    EXPECT_EQ(checkedItem(), a.action(Command::English));

    // A refused file: the message and English, but its path is what is saved.
    const QString wrong = writeText("wrong.flp", "[Glyphora]\r\n[Version 1.0b]\r\ns27=Mine\r\n");
    a.action(Command::Russian)->trigger();
    boxes_->openFiles.push_back(wrong.toStdString());
    a.action(Command::LoadLanguage)->trigger();
    EXPECT_EQ(texts(), QStringList{kNotForGlyphoraMessage});
    EXPECT_EQ(window().setSizeDialog()->windowTitle(), "Set size");
    EXPECT_EQ(settingsLanguage(), "Language=" + wrong);
    EXPECT_EQ(session().UILanguage(), wrong.toStdString());
}

}  // namespace
}  // namespace glyphora::testing
