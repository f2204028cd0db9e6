// Every menu item can be reached from the keyboard inside its open menu, and
// every picture of the toolbar, the tool palette and the window is drawn.
#include "GuiFixture.h"

#include <CommandTable.h>
#include <ToolPalette.h>

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <map>

namespace glyphora::testing {
namespace {

class MenuKeysAndIconsTest : public GuiFixture {};

// The menus and submenus of the menu bar, the Language menu and the recent
// files included.
std::vector<QMenu*> AllMenus(MainWindow& w) {
    std::vector<QMenu*> menus;
    for (QAction* top : w.menuBar()->actions()) menus.push_back(top->menu());
    for (std::size_t i = 0; i < menus.size(); ++i)
        for (QAction* item : menus[i]->actions())
            if (item->menu()) menus.push_back(item->menu());
    return menus;
}

TEST_F(MenuKeysAndIconsTest, EveryMenuItemHasItsOwnMnemonic) {
    MainWindow& w = window();
    // A recent file, so that menu has an item too.
    open(writeLangpack("lang.smg", fixtures::TypicalLangpack()));
    for (QMenu* menu : AllMenus(w)) {
        std::map<QKeySequence, QString> taken;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator()) continue;
            const QKeySequence key = QKeySequence::mnemonic(item->text());
            EXPECT_FALSE(key.isEmpty()) << item->text().toStdString() << " in " << menu->title().toStdString();
            if (key.isEmpty()) continue;
            const auto [at, fresh] = taken.emplace(key, item->text());
            EXPECT_TRUE(fresh) << item->text().toStdString() << " and " << at->second.toStdString() << " share "
                               << key.toString().toStdString() << " in " << menu->title().toStdString();
        }
    }
}

// An icon whose file or drawing engine is missing gives an empty picture.
TEST_F(MenuKeysAndIconsTest, EveryPictureIsDrawn) {
    MainWindow& w = window();
    std::vector<std::pair<QString, QIcon>> icons = {{QStringLiteral("window"), w.windowIcon()}};
    for (QToolButton* b : w.findChild<QToolBar*>(QStringLiteral("ToolBar1"))->findChildren<QToolButton*>())
        if (b->defaultAction()) icons.emplace_back(b->objectName(), b->defaultAction()->icon());
    for (QToolButton* b : w.toolPalette()->findChildren<QToolButton*>()) icons.emplace_back(b->objectName(), b->icon());
    const auto table = CommandTable();
    const auto withIcon = std::count_if(table.begin(), table.end(), [](const CommandSpec& c) { return c.icon; });
    EXPECT_EQ(icons.size(), 1u + static_cast<std::size_t>(withIcon) + 10u);  // the window, the toolbar, the palette
    for (const auto& [name, icon] : icons) {
        const QImage picture = icon.pixmap(20, 20).toImage();
        bool drawn = false;
        for (int y = 0; y < picture.height() && !drawn; ++y)
            for (int x = 0; x < picture.width() && !drawn; ++x) drawn = qAlpha(picture.pixel(x, y)) != 0;
        EXPECT_TRUE(drawn) << name.toStdString();
    }
}

}  // namespace
}  // namespace glyphora::testing
