// The application's general error report: an exception that escapes a command
// is shown in a stop-icon box titled "Glyphora", and the program goes on with
// the state reached so far.
#pragma once

#include <Prompts.h>

#include <exception>
#include <string>
#include <utility>

namespace glyphora {

std::string UncaughtErrorText(const std::exception_ptr& error);

template <class Handler>
void RunGuarded(Prompts& prompts, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        prompts.error(UncaughtErrorText(std::current_exception()));
    }
}

}  // namespace glyphora
