// The ways a langpack or flash file is chosen for the Open-file flow: the
// "Open file" dialog, a path named on the command line, File -> "Recent files".
#pragma once

#include "Session.h"

#include <string>

namespace glyphora {

class FileOpening {
public:
    explicit FileOpening(Session& session) : session_(session) {}

    // "Open file": the dialog in the folder of the file open now.
    void OpenFileCommand();
    // A path named on the command line: a missing file is reported.
    void OpenNamedFile(const std::string& path);
    // A file that is gone is reported and false is returned: the caller drops
    // it from the list.
    bool OpenRecentFile(const std::string& path);

private:
    Session& session_;
};

}  // namespace glyphora
