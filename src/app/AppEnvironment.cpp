#include "AppEnvironment.h"

#include "LocalPath.h"
#include "Settings.h"
#include "ViewPreferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace glyphora {

AppEnvironment DefaultEnvironment() {
    AppEnvironment env;
    env.programDir = QCoreApplication::applicationDirPath();
    if (!env.programDir.endsWith(QLatin1Char('/'))) env.programDir += QLatin1Char('/');
    // Glyphora.ini beside the executable, or in the user's configuration folder.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const SettingsPlaces settings = LocateSettings(
        ToLocalPath(env.programDir),
        ToLocalPath(QDir(config).filePath(QStringLiteral("Glyphora/") + QString::fromLatin1(kSettingsFileName))));
    env.settingsPath = FromLocalPath(settings.write);
    env.settingsReadPath = FromLocalPath(settings.read);
    env.preferencesPath = PreferencesLocation();
    return env;
}

}  // namespace glyphora
