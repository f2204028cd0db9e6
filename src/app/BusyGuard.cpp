#include "BusyGuard.h"

#include <QGuiApplication>

namespace glyphora {

BusyGuard::BusyGuard(std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets) {
        if (!w) continue;
        held_.push_back({w, w->testAttribute(Qt::WA_ForceDisabled)});
        w->setEnabled(false);
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyGuard::~BusyGuard() {
    QGuiApplication::restoreOverrideCursor();
    // A widget disabled on its own before stays so; the others follow their window again.
    for (auto it = held_.rbegin(); it != held_.rend(); ++it)
        if (it->widget) it->widget->setEnabled(!it->wasDisabled);
}

}  // namespace glyphora
