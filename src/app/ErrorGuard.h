// The application's general error report: an exception that escapes a command
// is shown in a stop-icon box titled "Glyphora", and the program goes on with
// the state reached so far.
#pragma once

#include "MessageBoxes.h"

#include <exception>
#include <utility>

namespace glyphora {

QString UncaughtErrorText(std::exception_ptr error);

template <class Handler>
void RunGuarded(MessageBoxes& boxes, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        boxes.error(UncaughtErrorText(std::current_exception()));
    }
}

}  // namespace glyphora
