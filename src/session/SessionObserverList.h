// Several views of one session (the window, the sample-text panel, the
// marks of changed glyphs): the session reports to this list, the list to
// each of them in the order they were added. Every callback of
// SessionObserver must be passed on here: a new one gets its line below.
#pragma once

#include "SessionObserver.h"

#include <algorithm>
#include <vector>

namespace glyphora {

class SessionObserverList : public SessionObserver {
public:
    void add(SessionObserver* observer) { observers_.push_back(observer); }
    void remove(SessionObserver* observer) {
        observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
    }

    void documentReplaced() override {
        each([](SessionObserver& o) { o.documentReplaced(); });
    }
    void setShown() override {
        each([](SessionObserver& o) { o.setShown(); });
    }
    void selectionChanged() override {
        each([](SessionObserver& o) { o.selectionChanged(); });
    }
    void glyphsChanged(const std::vector<int>& sets, const std::vector<int>& glyphs) override {
        each([&](SessionObserver& o) { o.glyphsChanged(sets, glyphs); });
    }
    void setHeightsChanged(const std::vector<int>& sets) override {
        each([&](SessionObserver& o) { o.setHeightsChanged(sets); });
    }
    void setsReplaced(const std::vector<int>& sets) override {
        each([&](SessionObserver& o) { o.setsReplaced(sets); });
    }
    void statusMessage(const std::string& text) override {
        each([&](SessionObserver& o) { o.statusMessage(text); });
    }
    void canvasVisibility(bool visible) override {
        each([&](SessionObserver& o) { o.canvasVisibility(visible); });
    }
    void interfaceTextsChanged() override {
        each([](SessionObserver& o) { o.interfaceTextsChanged(); });
    }
    void stateChanged() override {
        each([](SessionObserver& o) { o.stateChanged(); });
    }
    void fileOpened(const std::string& path) override {
        each([&](SessionObserver& o) { o.fileOpened(path); });
    }

private:
    template <class F>
    void each(F f) {
        // A copy: an observer may add another while it is told.
        const std::vector<SessionObserver*> now = observers_;
        for (SessionObserver* o : now) f(*o);
    }
    std::vector<SessionObserver*> observers_;
};

}  // namespace glyphora
