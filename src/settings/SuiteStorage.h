// SPDX-License-Identifier: GPL-3.0-or-later
// Where a suite keeps its objects between runs.
#pragma once

#include "kit/Result.h"

#include <QVariantMap>
#include <functional>

namespace ruvo::settings {

// `map` with `changes` applied: a valid value sets its key, an invalid one removes it.
inline QVariantMap applyChanges(QVariantMap map, const QVariantMap& changes) {
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        if (it.value().isValid())
            map.insert(it.key(), it.value());
        else
            map.remove(it.key());
    }
    return map;
}

class SuiteStorage {
public:
    virtual ~SuiteStorage() = default;

    // Everything stored. A store that cannot be read is set aside and reads as empty.
    virtual QVariantMap load() = 0;

    // Applies `changes` (an invalid value removes its key) to the current stored content,
    // under a lock shared with other processes, and writes the result atomically.
    // Returns the content as written, which includes what other processes wrote.
    // `fallback` is the base when the stored content cannot be read (it is set aside).
    virtual kit::Result<QVariantMap> update(const QVariantMap& changes,
                                            const QVariantMap& fallback) = 0;

    // Calls `onChange` (on the thread that called watch) when the content may have been
    // changed by someone else.
    virtual void watch(std::function<void()> onChange) = 0;
};

} // namespace ruvo::settings
