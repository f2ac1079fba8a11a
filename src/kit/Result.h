// SPDX-License-Identifier: GPL-3.0-or-later
// The outcome of an operation that can fail for an expected reason: a value or a message.
#pragma once

#include <QString>
#include <utility>
#include <variant>

namespace ruvo::kit {

struct Error {
    QString message;
};

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : m_data(std::move(value)) {}
    Result(Error error) : m_data(std::move(error)) {}

    bool isOk() const { return std::holds_alternative<T>(m_data); }
    explicit operator bool() const { return isOk(); }
    const T& value() const& { return std::get<T>(m_data); }
    T& value() & { return std::get<T>(m_data); }
    T&& value() && { return std::get<T>(std::move(m_data)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }
    const QString& error() const { return std::get<Error>(m_data).message; }

private:
    std::variant<T, Error> m_data;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error.message)), m_failed(true) {}
    bool isOk() const { return !m_failed; }
    explicit operator bool() const { return isOk(); }
    const QString& error() const { return m_error; }

private:
    QString m_error;
    bool m_failed = false;
};

inline Error fail(QString message) {
    return Error{std::move(message)};
}

} // namespace ruvo::kit
