// While a long operation runs (a flash-file extraction, a batch over glyphs)
// the window lets pending events through; this guard keeps the user's input
// out meanwhile: the given widgets are disabled and the wait cursor shown, and
// both are put back on every way out, an exception included. Nothing may ask
// the user while it lives, as dialogs owned by a disabled window are disabled too.
#pragma once

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace glyphora {

class BusyGuard {
public:
    explicit BusyGuard(std::initializer_list<QWidget*> widgets);
    ~BusyGuard();
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    struct Held {
        QPointer<QWidget> widget;
        bool wasDisabled;  // disabled on its own before the guard
    };
    std::vector<Held> held_;
};

}  // namespace glyphora
