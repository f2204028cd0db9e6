// The main window as the program builds it, offscreen and shown, beside the
// large fixture langpack written to a temporary folder (not yet opened). Its
// settings file lives in that folder too, so a run leaves nothing behind.
// Without a size the window is left for the caller to build.
#pragma once

#include <AppEnvironment.h>
#include <LangpackBuilder.h>
#include <MainWindow.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <vector>

namespace glyphora::bench {

struct LargeLangpackWindow {
    QTemporaryDir dir;
    std::vector<uint8_t> bytes = fixtures::BuildLangpack(fixtures::LargeLangpack()).Bytes;
    QString file = dir.filePath(QStringLiteral("large.smg"));
    std::unique_ptr<MainWindow> window;

    LargeLangpackWindow() {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    LargeLangpackWindow(int width, int height) : LargeLangpackWindow() {
        AppEnvironment env;
        env.programDir = dir.path() + QLatin1Char('/');
        env.settingsPath = dir.filePath(QStringLiteral("Glyphora.ini"));
        window = std::make_unique<MainWindow>(env);
        window->resize(width, height);
        window->show();
        QCoreApplication::processEvents();
    }
};

}  // namespace glyphora::bench
