#include "Icons.h"

#include <QHash>

// The icons are compiled into this static library: nothing refers to them by
// symbol, so they are registered by hand before the first one is read.
static void RegisterIcons() { Q_INIT_RESOURCE(icons); }

namespace glyphora {

namespace {

// An icon keeps its file's drawing once it has read it: every window shares it.
QIcon Cached(const QString& path) {
    static const bool registered = (RegisterIcons(), true);
    (void)registered;
    static QHash<QString, QIcon> icons;
    auto it = icons.find(path);
    if (it == icons.end()) it = icons.insert(path, QIcon(path));
    return *it;
}

}  // namespace

QIcon IconFile(const char* name) { return Cached(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))); }

QIcon ApplicationIcon() { return Cached(QStringLiteral(":/glyphora.svg")); }

}  // namespace glyphora
