// The kernel as a command runs it: a Session on one langpack with one set
// current, asked through ToolPrompts, saved in the tool's terms (exit status,
// messages after the file's name).
#pragma once

#include "ToolPrompts.h"

#include <FlashExtraction.h>
#include <Session.h>

#include <string>

namespace glyphora::tool {

class ToolSession {
public:
    ToolSession();

    // Opens `file` (already checked by the command) with set `setNumber`
    // (1-based) current. kExitOk, or kExitError after the kernel's reason.
    int open(const std::string& file, int setNumber);
    Session& session() { return session_; }
    ToolPrompts& prompts() { return prompts_; }
    // Saves what the feature changed; a langpack left as it was is not
    // written. kExitOk, or kExitError after the reason was printed.
    int save();

private:
    ToolPrompts prompts_;
    CoreFlashExtraction extraction_;
    Session session_;
    std::string file_;
};

}  // namespace glyphora::tool
