#include "SizeCommands.h"
#include <GlyphSize.h>

namespace glyphora {

void BindSizeCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, Command::SetWidth, [&s] { GlyphSize(s).SetWidthCommand(); });
    Bind(c, Command::IncreaseWidth, [&s] {
        if (s.glyphShown()) s.editor().IncreaseWidth();
    });
    Bind(c, Command::DecreaseWidth, [&s] {
        if (s.glyphShown()) s.editor().DecreaseWidth();
    });
    Bind(c, Command::SetHeight, [&s] { GlyphSize(s).SetHeightCommand(); });
}

}  // namespace glyphora
