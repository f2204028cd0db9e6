// The commands of glyphora-tool. Each gets the words that follow its name on
// the command line and returns the process exit status (see ToolSupport.h).
// To add a command: declare it here, define it in its own <Name>Command.cpp,
// add the file to CMakeLists.txt and one line to the table in main.cpp.
#pragma once

#include "ToolSupport.h"

namespace glyphora::tool {

int runInfo(const Words& args);
int runDump(const Words& args);
int runResave(const Words& args);
int runSetGlyph(const Words& args);
int runSetHeight(const Words& args);
int runExtract(const Words& args);  // defined with the flash-file extraction
int runExportBmp(const Words& args);
int runImportBmp(const Words& args);
int runExportBdf(const Words& args);
int runImportBdf(const Words& args);
int runExportPng(const Words& args);
int runRender(const Words& args);
int runTrim(const Words& args);
int runTransform(const Words& args);
int runImportPng(const Words& args);
int runAddChars(const Words& args);  // CharacterCommands.cpp
int runRemoveChars(const Words& args);
int runCopyGlyphs(const Words& args);
int runDiff(const Words& args);

}  // namespace glyphora::tool
