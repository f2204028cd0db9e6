#include "FitCommands.h"

#include <ViewPreferences.h>
#include <Zoom.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QEvent>

namespace glyphora {

namespace {

// The pane's size without scroll bars: the room a fitted glyph may take.
class PaneWatcher : public QObject {
public:
    PaneWatcher(const CommandContext& context, QAbstractScrollArea* pane)
        : QObject(pane), context_(context), pane_(pane) {}

    void report() const {
        const QSize room = pane_->maximumViewportSize();
        Session& s = context_.session;
        RunCommand(context_, [&s, room] { Zoom(s).SetCanvasPane({room.width(), room.height()}); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) report();
        return QObject::eventFilter(watched, event);
    }

private:
    CommandContext context_;
    QAbstractScrollArea* pane_;
};

}  // namespace

void BindFitCommand(const CommandContext& c, QAbstractScrollArea* canvasPane, ViewPreferences& preferences) {
    Session& s = c.session;
    QAction* fit = c.actions.action(Command::FitGlyph);
    fit->setChecked(preferences.fitGlyph());
    Zoom(s).SetFitGlyph(preferences.fitGlyph());
    Bind(c, Command::FitGlyph, [fit, &s, &preferences] {
        preferences.setFitGlyph(fit->isChecked());
        Zoom(s).SetFitGlyph(fit->isChecked());
    });
    // A zoom by hand ends the fit (its button comes up), so the factor chosen
    // is kept as any hand zoom is. The zoom itself has run by then.
    for (const Command zoom : {Command::ZoomIn, Command::ZoomOut})
        QObject::connect(c.actions.action(zoom), &QAction::triggered, fit, [fit, &s, &preferences] {
            if (!fit->isChecked()) return;
            fit->setChecked(false);
            preferences.setFitGlyph(false);
            Zoom(s).SetFitGlyph(false);
        });
    auto* watcher = new PaneWatcher(c, canvasPane);
    canvasPane->installEventFilter(watcher);
}

}  // namespace glyphora
