#include "CommandContext.h"

#include <ErrorGuard.h>

#include <QAction>

namespace glyphora {

void RunCommand(const CommandContext& context, const std::function<void()>& handler) {
    RunGuarded(context.prompts, handler);
    if (context.refresh) context.refresh();
}

void Bind(const CommandContext& context, Command command, std::function<void()> handler) {
    QAction* action = context.actions.action(command);
    QObject::connect(action, &QAction::triggered, action,
                     [context, handler = std::move(handler)] { RunCommand(context, handler); });
}

}  // namespace glyphora
