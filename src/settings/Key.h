// SPDX-License-Identifier: GPL-3.0-or-later
// A typed setting: its name in the suite, the suite, and the value read while nothing is stored.
#pragma once

#include "settings/Bridge.h"

#include <cmath>
#include <optional>
#include <type_traits>

namespace ruvo::settings {

enum class SuiteId { standard, sharedGroup };

// The values a number key works with, both ends included. A write outside is refused; a stored
// value outside (an edited file) reads as the nearer end, so no setting can ask for a billion
// days of events.
struct ValueRange {
    double lowest;
    double highest;
    bool contains(double v) const { return v >= lowest && v <= highest; }
    double clamped(double v) const { return v < lowest ? lowest : v > highest ? highest : v; }
};

template <Bridged T> struct Key {
    using Value = T;
    QString name;
    T defaultValue;
    SuiteId suite = SuiteId::standard;
    std::optional<ValueRange> range = std::nullopt;
};

// Whether `value` lies in the key's range (always, for keys without one or not numbers).
template <typename T> bool isInRange(const Key<T>& key, const T& value) {
    if constexpr (std::is_arithmetic_v<T>) {
        return !key.range || key.range->contains(double(value));
    } else if constexpr (std::is_same_v<T, std::optional<double>>) {
        return !key.range || !value || key.range->contains(*value);
    } else {
        return true;
    }
}

// `value` brought into the key's range.
template <typename T> T clampedToRange(const Key<T>& key, T value) {
    if (!key.range)
        return value;
    if constexpr (std::is_arithmetic_v<T>) {
        if (std::isnan(double(value)))
            return key.defaultValue;
        return T(key.range->clamped(double(value)));
    } else if constexpr (std::is_same_v<T, std::optional<double>>) {
        if (value && std::isnan(*value))
            return key.defaultValue;
        return value ? T(key.range->clamped(*value)) : value;
    } else {
        return value;
    }
}

// A key without its type: enough to observe it among others.
struct KeyRef {
    QString name;
    SuiteId suite = SuiteId::standard;

    template <typename T>
    KeyRef(const Key<T>& key) : name(key.name), suite(key.suite) {} // NOLINT: implicit on purpose
    KeyRef(QString n, SuiteId s) : name(std::move(n)), suite(s) {}
};

template <typename T> struct KeyChange {
    T oldValue; // missing stored objects read as the key's default
    T newValue;
    bool isPrior = false; // delivered just before the change
};

struct ObservationOptions {
    bool initial = false; // call once at once with the current value (wins over prior)
    bool prior = false;   // also call just before each change
};

} // namespace ruvo::settings
