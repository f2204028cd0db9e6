#include "GuideCommands.h"

#include <GuidesDialog.h>
#include <SetGuidesView.h>

#include <utility>

namespace glyphora {

void BindGuideCommands(const CommandContext& c, SharedWindow<GuidesDialog> dialog, SetGuidesView& guides) {
    Session& s = c.session;
    Bind(c, Command::Guides, [&s, dialog = std::move(dialog), &guides] {
        const int set = s.CurrentSet();
        if (!s.document() || set < 0) return;
        if (const std::optional<SetGuides> chosen = dialog->get()->ask(set + 1, s.setHeight(set), guides.current()))
            guides.store(*chosen);
    });
}

}  // namespace glyphora
