// File -> "Recent files": one of them opened through the ordinary Open-file
// flow (its questions, a flash file extracted).
#pragma once

#include "Session.h"

#include <string>

namespace glyphora {

class RecentFileOpen {
public:
    explicit RecentFileOpen(Session& session) : session_(session) {}
    // A file that is gone is reported and false is returned: the caller drops
    // it from the list.
    bool Open(const std::string& path);

private:
    Session& session_;
};

}  // namespace glyphora
