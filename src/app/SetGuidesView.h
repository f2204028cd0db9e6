// The guides of the set shown, read from the view preferences and drawn on
// the canvas and in the sample text whenever another langpack or set is
// shown or a set's height changes.
#pragma once

#include "ViewPreferences.h"

#include <SessionObserver.h>

namespace glyphora {

class CanvasWidget;
class SampleView;
class Session;

class SetGuidesView : public SessionObserver {
public:
    SetGuidesView(Session& session, ViewPreferences& preferences, CanvasWidget* canvas, SampleView* sample)
        : session_(session), preferences_(preferences), canvas_(canvas), sample_(sample) {}

    // The guides of the set shown; none without a langpack or a set.
    SetGuides current() const;
    // Keeps new guides for the set shown and draws them.
    void store(const SetGuides& guides);
    void show() const;

    void documentReplaced() override { show(); }
    void setShown() override { show(); }
    void setHeightsChanged(const std::vector<int>&) override { show(); }

private:
    Session& session_;
    ViewPreferences& preferences_;
    CanvasWidget* canvas_;
    SampleView* sample_;
};

}  // namespace glyphora
