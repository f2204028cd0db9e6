#include "AppEnvironment.h"

#include "LocalPath.h"
#include "Settings.h"
#include "ViewPreferences.h"

#include <ProgramFiles.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace glyphora {

QString SettingsLocation(const QString& programDir) {
    QString besideExecutable = programDir + QString::fromLatin1(kSettingsFileName);
    const QFileInfo existing(besideExecutable);
    // An installed program's folder (/usr/bin) is never the place, even for root.
    const bool installed = IsInstalledLayout(ToLocalPath(programDir));
    if (!installed && (existing.exists() ? existing.isWritable() : QFileInfo(programDir).isWritable()))
        return besideExecutable;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("Glyphora/") + QString::fromLatin1(kSettingsFileName));
}

AppEnvironment DefaultEnvironment() {
    AppEnvironment env;
    env.programDir = QCoreApplication::applicationDirPath();
    if (!env.programDir.endsWith(QLatin1Char('/'))) env.programDir += QLatin1Char('/');
    env.settingsPath = SettingsLocation(env.programDir);
    env.preferencesPath = PreferencesLocation();
    return env;
}

}  // namespace glyphora
