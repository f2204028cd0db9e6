#include "ToolSession.h"

#include "ToolSupport.h"

namespace glyphora::tool {

// No settings file: a command leaves the editor's recent files alone.
ToolSession::ToolSession() : session_(SessionPaths{}, prompts_, extraction_) {}

int ToolSession::open(const std::string& file, int setNumber) {
    file_ = file;
    session_.OpenFile(file);
    if (session_.LangFileOpen() && session_.ChooseSet(setNumber - 1)) return kExitOk;
    prompts_.printKept(file_);
    return kExitError;
}

int ToolSession::save() {
    // What the feature told before, the command has said in its own words.
    prompts_.forget();
    if (session_.SaveLang()) return kExitOk;
    prompts_.printKept(file_);
    return kExitError;
}

}  // namespace glyphora::tool
