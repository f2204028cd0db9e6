#include "GuideCommands.h"

#include <GuidesDialog.h>
#include <SetGuidesView.h>

namespace glyphora {

void BindGuideCommands(const CommandContext& c, GuidesDialog* dialog, SetGuidesView& guides) {
    Session& s = c.session;
    Bind(c, Command::Guides, [&s, dialog, &guides] {
        const int set = s.CurrentSet();
        if (!s.document() || set < 0) return;
        if (const std::optional<SetGuides> chosen = dialog->ask(set + 1, s.setHeight(set), guides.current()))
            guides.store(*chosen);
    });
}

}  // namespace glyphora
