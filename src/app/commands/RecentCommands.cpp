#include "RecentCommands.h"

#include <FileDrop.h>
#include <LocalPath.h>
#include <QtPictureReader.h>
#include <RecentFilesMenu.h>

#include <FileOpening.h>
#include <GlyphExchange.h>

#include <QMainWindow>

namespace glyphora {

void BindRecentCommands(const CommandContext& c, RecentFilesMenu* recent) {
    Session& s = c.session;
    QObject::connect(recent, &RecentFilesMenu::fileChosen, recent, [c, &s, recent](const QString& path) {
        RunCommand(c, [&s, recent, path] {
            if (!FileOpening(s).OpenRecentFile(ToLocalPath(path))) recent->remove(path);
        });
    });
    if (auto* window = qobject_cast<QMainWindow*>(c.window))
        installFileDrop(window, [c, &s](const QString& path) {
            RunCommand(c, [&s, path] {
                const QtPictureReader reader;
                GlyphExchange(s, reader).OpenDroppedFile(ToLocalPath(path));
            });
        });
}

}  // namespace glyphora
