#include "SetExchangeCommands.h"

#include <SetExchange.h>

namespace glyphora {

// A set has at most 1001 glyphs: an import stores them in a few milliseconds,
// so the commands run without a busy guard.
void BindSetExchangeCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, c.actions.exportSetBdf, [&s] { ExportSetBdfCommand(s); });
    Bind(c, c.actions.importSetBdf, [&s] { ImportSetBdfCommand(s); });
    Bind(c, c.actions.exportSetPng, [&s] { ExportSetPngCommand(s); });
}

}  // namespace glyphora
