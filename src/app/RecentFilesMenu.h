// File -> "Recent files": the last langpack or flash files opened, newest
// first, kept with the view preferences. An entry is added when the Open-file
// flow has opened its langpack; choosing one asks for it to be opened.
#pragma once

#include <SessionObserver.h>

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace glyphora {

class ViewPreferences;

class RecentFilesMenu : public QObject, public SessionObserver {
    Q_OBJECT
public:
    // The submenu "Recent files" goes into `fileMenu` after the item `after`.
    RecentFilesMenu(QMenu* fileMenu, QAction* after, ViewPreferences& preferences, QObject* parent = nullptr);

    QMenu* menu() const { return menu_; }
    QStringList files() const;
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void fileChosen(const QString& path);

private:
    void fileOpened(const std::string& path) override;
    void rebuild();

    QMenu* menu_;
    ViewPreferences& preferences_;
};

}  // namespace glyphora
