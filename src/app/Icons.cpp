#include "Icons.h"

#include <QFile>
#include <QHash>

// The icons are compiled into this static library: nothing refers to them by
// symbol, so they are registered by hand before the first one is read.
static void RegisterIcons() { Q_INIT_RESOURCE(icons); }

namespace glyphora {

namespace {

// The resource holds each picture as one SVG file or, where the build has no
// SVG icon engine (Windows), as PNG files of a few sizes drawn from that SVG.
QIcon Read(const QString& stem) {
    const QString svg = stem + QStringLiteral(".svg");
    if (QFile::exists(svg)) return QIcon(svg);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 256}) {
        const QString png = QStringLiteral("%1-%2.png").arg(stem).arg(size);
        if (QFile::exists(png)) icon.addFile(png, QSize(size, size));
    }
    return icon;
}

// An icon keeps its drawing once it has been read: every window shares it.
QIcon Cached(const QString& stem) {
    static const bool registered = (RegisterIcons(), true);
    (void)registered;
    static QHash<QString, QIcon> icons;
    auto it = icons.find(stem);
    if (it == icons.end()) it = icons.insert(stem, Read(stem));
    return *it;
}

}  // namespace

QIcon IconFile(const char* name) { return Cached(QStringLiteral(":/icons/%1").arg(QLatin1String(name))); }

QIcon ApplicationIcon() { return Cached(QStringLiteral(":/glyphora")); }

}  // namespace glyphora
