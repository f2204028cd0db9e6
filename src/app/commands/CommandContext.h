// What a module of commands needs to bind its actions: the session that runs
// them, the user's prompts, the window's actions, and the window itself. A
// module binds its handlers to the actions by command id and owns the dialogs
// its commands show.
#pragma once

#include <MainActions.h>
#include <Prompts.h>
#include <Session.h>

#include <functional>

class QAction;
class QWidget;

namespace glyphora {

struct CommandContext {
    Session& session;
    Prompts& prompts;
    const MainActions& actions;
    QWidget* window;
    // Brings the window up to date with the session (title, enabled commands).
    std::function<void()> refresh;
};

// Runs `handler` when the command's action is triggered, under the general
// error report, and refreshes the window afterwards.
void Bind(const CommandContext& context, Command command, std::function<void()> handler);

// The same for handlers connected to other signals.
void RunCommand(const CommandContext& context, const std::function<void()>& handler);

}  // namespace glyphora
