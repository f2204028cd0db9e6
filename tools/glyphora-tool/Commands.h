// The commands of glyphora-tool. Each gets the words that follow its name on
// the command line and returns the process exit status (see ToolSupport.h).
// To add a command: declare it here, define it in its own <Name>Command.cpp,
// add the file to CMakeLists.txt and one line to the table in main.cpp.
#pragma once

#include <QStringList>

namespace glyphora::tool {

int runInfo(const QStringList& args);
int runDump(const QStringList& args);
int runResave(const QStringList& args);
int runSetGlyph(const QStringList& args);
int runSetHeight(const QStringList& args);
int runExtract(const QStringList& args);   // defined with the flash-file extraction

}  // namespace glyphora::tool
