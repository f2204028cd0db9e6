// Where the program finds its files, and the seams tests replace.
#pragma once

#include <FlashExtraction.h>
#include <Prompts.h>

#include <QString>

#include <memory>

namespace glyphora {

struct AppEnvironment {
    QString programDir;    // the executable's folder, ending in '/'
    QString settingsPath;  // Glyphora.ini, where it is written
    // Where it is read at start; empty: settingsPath.
    QString settingsReadPath;
    // The view preferences and recent files; empty: kept for this run only.
    QString preferencesPath;
    // Null: message boxes and dialogs owned by the main window.
    std::shared_ptr<Prompts> prompts;
    // Null: the code-group window runs the extraction.
    std::shared_ptr<FlashExtraction> extraction;
};

// The environment of the running executable.
AppEnvironment DefaultEnvironment();

}  // namespace glyphora
