// SPDX-License-Identifier: GPL-3.0-or-later
// The outcome of an automation action: a value, or a named error with a text for the user.
// The name is what a D-Bus caller sees ("io.github.ruvo.Error.SoundUnavailable"), the text
// what a person reads.
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <variant>

namespace ruvo::automation {

struct ActionError {
    QString name;
    QString message;
};

// Error names under the program's own prefix.
namespace errors {
inline const QString kUnknownTimeZone = QStringLiteral("io.github.ruvo.Error.UnknownTimeZone");
inline const QString kUnknownSound = QStringLiteral("io.github.ruvo.Error.UnknownSound");
inline const QString kSoundUnavailable = QStringLiteral("io.github.ruvo.Error.SoundUnavailable");
inline const QString kNoVideoCall = QStringLiteral("io.github.ruvo.Error.NoVideoCall");
inline const QString kNoCalendars = QStringLiteral("io.github.ruvo.Error.NoCalendars");
inline const QString kUnknownAction = QStringLiteral("io.github.ruvo.Error.UnknownAction");
inline const QString kActionUnavailable = QStringLiteral("io.github.ruvo.Error.ActionUnavailable");
inline const QString kNotReachable = QStringLiteral("io.github.ruvo.Error.NotReachable");
} // namespace errors

template <typename T> class [[nodiscard]] ActionResult {
public:
    ActionResult(T value) : m_data(std::move(value)) {}
    ActionResult(ActionError error) : m_data(std::move(error)) {}

    bool isOk() const { return std::holds_alternative<T>(m_data); }
    explicit operator bool() const { return isOk(); }
    const T& value() const { return std::get<T>(m_data); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const ActionError& error() const { return std::get<ActionError>(m_data); }

private:
    std::variant<T, ActionError> m_data;
};

// What an action without a value returns: nothing, or its error.
using ActionStatus = std::optional<ActionError>;

} // namespace ruvo::automation
