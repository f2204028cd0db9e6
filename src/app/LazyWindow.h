// A secondary window built when it is first needed (its command, a prompt
// that shows it, a test that looks at it) rather than at start: the start
// builds the main window and what shows the first glyph, nothing else.
// Whatever must follow the making (its texts, its signals) is the builder's.
#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace glyphora {

template <class T>
class LazyWindow {
public:
    explicit LazyWindow(std::function<T*()> build) : build_(std::move(build)) {}
    T* get() {
        if (!window_) window_ = build_();
        return window_;
    }
    // Nothing until it is built.
    T* built() const { return window_; }

private:
    std::function<T*()> build_;
    T* window_ = nullptr;
};

// Shared by the command that opens the window and the main window that shows
// the interface texts in it.
template <class T>
using SharedWindow = std::shared_ptr<LazyWindow<T>>;

template <class T>
SharedWindow<T> MakeLazyWindow(std::function<T*()> build) {
    return std::make_shared<LazyWindow<T>>(std::move(build));
}

// Told once a window is built, before it is shown.
template <class T>
using WindowMade = std::function<void(T*)>;

}  // namespace glyphora
