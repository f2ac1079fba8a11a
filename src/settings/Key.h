// SPDX-License-Identifier: GPL-3.0-or-later
// A typed setting: its name in the suite, the suite, and the value read while nothing is stored.
#pragma once

#include "settings/Bridge.h"

namespace ruvo::settings {

enum class SuiteId { standard, sharedGroup };

template <Bridged T> struct Key {
    using Value = T;
    QString name;
    T defaultValue;
    SuiteId suite = SuiteId::standard;
};

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
