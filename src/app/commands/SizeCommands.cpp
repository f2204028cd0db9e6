#include "SizeCommands.h"

namespace glyphora {

void BindSizeCommands(const CommandContext& c) {
    Session& s = c.session;
    Bind(c, c.actions.setWidth, [&s] { s.SetWidthCommand(); });
    Bind(c, c.actions.increaseWidth, [&s] {
        if (s.glyphShown()) s.editor().IncreaseWidth();
    });
    Bind(c, c.actions.decreaseWidth, [&s] {
        if (s.glyphShown()) s.editor().DecreaseWidth();
    });
    Bind(c, c.actions.setHeight, [&s] { s.SetHeightCommand(); });
}

}  // namespace glyphora
