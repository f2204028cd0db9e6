#include "RecentFilesMenu.h"

#include "LocalPath.h"
#include "ViewPreferences.h"

#include <RecentFiles.h>

#include <QAction>
#include <QMenu>

namespace glyphora {

namespace {

std::vector<std::string> ToLocal(const QStringList& files) {
    std::vector<std::string> out;
    for (const QString& f : files) out.push_back(ToLocalPath(f));
    return out;
}

QStringList FromLocal(const std::vector<std::string>& files) {
    QStringList out;
    for (const std::string& f : files) out << FromLocalPath(f);
    return out;
}

}  // namespace

RecentFilesMenu::RecentFilesMenu(QMenu* fileMenu, QAction* after, ViewPreferences& preferences, QObject* parent)
    : QObject(parent), menu_(new QMenu(QStringLiteral("&Recent files"), fileMenu)), preferences_(preferences) {
    menu_->setObjectName(QStringLiteral("RecentFilesMenu"));
    const QList<QAction*> items = fileMenu->actions();
    fileMenu->insertMenu(items.value(items.indexOf(after) + 1), menu_);
    rebuild();
}

QStringList RecentFilesMenu::files() const {
    // A list edited by hand may hold blanks or too many entries.
    QStringList list = FromLocal(WithoutRecentFile(ToLocal(preferences_.recentFiles()), std::string()));
    while (list.size() > static_cast<qsizetype>(kRecentFileCount)) list.removeLast();
    return list;
}

void RecentFilesMenu::add(const QString& path) {
    std::vector<std::string> list = ToLocal(files());
    preferences_.setRecentFiles(FromLocal(WithRecentFile(std::move(list), ToLocalPath(path))));
    rebuild();
}

void RecentFilesMenu::remove(const QString& path) {
    preferences_.setRecentFiles(FromLocal(WithoutRecentFile(ToLocal(files()), ToLocalPath(path))));
    rebuild();
}

void RecentFilesMenu::fileOpened(const std::string& path) { add(FromLocalPath(path)); }

void RecentFilesMenu::rebuild() {
    menu_->clear();
    const QStringList list = files();
    int number = 0;
    for (const QString& path : list) {
        ++number;
        QString caption = path;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = menu_->addAction(QStringLiteral("&%1 %2").arg(number).arg(caption));
        item->setObjectName(QStringLiteral("RecentFile%1").arg(number));
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { emit fileChosen(path); });
    }
    menu_->menuAction()->setEnabled(!list.isEmpty());
}

}  // namespace glyphora
