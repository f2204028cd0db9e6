// One way to report a failure across the project: an Error says what kind of
// failure it is (so a caller can pick an exit status or an icon) and, in words
// a user can act on, what went wrong with which file. Result<T> carries either
// a value or an Error; Result<void> only the success or the Error. The shape
// follows std::expected, so code reads the same if we move to C++23.
#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace glyphora {

enum class ErrorKind {
    Missing,      // no file at the path
    NotLangpack,  // a file that is not a langpack (the editor refuses it silently)
    Malformed,    // input that breaks its format; the message names where
    Unsupported,  // well-formed input this program does not take
    Io,           // the system could not open, read or write a file
    Refused,      // an edit or a save that would break a limit; nothing was changed
    Usage,        // wrong arguments or values from the user
    Failed,       // an outside program or operation that did not do its work
    Changed,      // the file changed on disk since it was read; nothing was written
};

struct Error {
    ErrorKind kind = ErrorKind::Failed;
    std::string message;
};

inline Error MakeError(ErrorKind kind, std::string message) { return Error{kind, std::move(message)}; }

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}      // NOLINT: implicit by design
    Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}  // NOLINT

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T& value() & {
        assert(has_value());
        return std::get<0>(state_);
    }
    const T& value() const& {
        assert(has_value());
        return std::get<0>(state_);
    }
    T&& value() && {
        assert(has_value());
        return std::get<0>(std::move(state_));
    }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const {
        assert(!has_value());
        return std::get<1>(state_);
    }
    Error& error() {
        assert(!has_value());
        return std::get<1>(state_);
    }

private:
    std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)), failed_(true) {}  // NOLINT: implicit by design

    bool has_value() const { return !failed_; }
    explicit operator bool() const { return has_value(); }
    const Error& error() const {
        assert(failed_);
        return error_;
    }
    Error& error() {
        assert(failed_);
        return error_;
    }

private:
    Error error_;
    bool failed_ = false;
};

using Status = Result<void>;

}  // namespace glyphora
