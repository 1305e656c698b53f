// What an operation a user can make fail gives back: its value, or the one
// error (a number and a description). A cancelled dialog is the error
// errDialogCancel, so cancel is reported the way every failure is.
// (std::expected would do, but the fuzz preset's clang 14 cannot compile
// GCC 12's <expected>.)
#pragma once

#include "error.h"

#include <utility>
#include <variant>

namespace pelk {

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : m_state(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }
    bool cancelled() const { return !ok() && error().number() == errDialogCancel; }

    // The value; only when ok().
    const T &value() const & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T &operator*() const & { return value(); }
    const T *operator->() const { return &value(); }
    // The error; only when not ok().
    const Error &error() const { return std::get<1>(m_state); }

private:
    std::variant<T, Error> m_state;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error)), m_ok(false) {}

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    bool cancelled() const { return !m_ok && m_error.number() == errDialogCancel; }
    const Error &error() const { return m_error; }

private:
    Error m_error{0, QString()};
    bool m_ok = true;
};

using Status = Result<void>;

} // namespace pelk
