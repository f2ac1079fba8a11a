// SPDX-License-Identifier: GPL-3.0-or-later
// The typed settings store: reads, writes, resets and observes keys in their suites.
//
//   Defaults defaults(standardSuite, sharedSuite);
//   defaults.set(keys::showSecondsInMenuBar, true);
//   auto s = defaults.observe(keys::showSecondsInMenuBar, [](const KeyChange<bool>& c) {...});
//
// Reading converts the stored object through the key's bridge; anything that does not
// convert (a wrong type, a bad JSON text, an unknown enum case) reads as the default and is
// left as it is. Handlers run on the thread that made the change; dropping the returned
// subscription, or the QObject it was tied to, ends the observation.
#pragma once

#include "kit/Signal.h"
#include "settings/Key.h"
#include "settings/Suite.h"

namespace ruvo::settings {

class Defaults {
public:
    Defaults(Suite& standard, Suite& sharedGroup)
        : m_standard(standard), m_sharedGroup(sharedGroup) {}

    Suite& suite(SuiteId id) const { return id == SuiteId::standard ? m_standard : m_sharedGroup; }

    template <typename T> T get(const Key<T>& key) const {
        return convert(key, suite(key.suite).object(key.name));
    }

    template <typename T> void set(const Key<T>& key, const T& value) const {
        suite(key.suite).setObject(key.name, Bridge<T>::serialize(value));
    }

    template <typename T> void reset(const Key<T>& key) const {
        suite(key.suite).removeObject(key.name);
    }

    // Makes the suite itself answer with the key's default while nothing is stored.
    template <typename T> void registerDefault(const Key<T>& key) const {
        suite(key.suite).registerDefault(key.name, Bridge<T>::serialize(key.defaultValue));
    }

    template <typename T>
    [[nodiscard]] kit::Subscription
    observe(const Key<T>& key,
            std::type_identity_t<std::function<void(const KeyChange<T>&)>> handler,
            ObservationOptions options = {}) const {
        if (options.initial) {
            const T current = get(key);
            handler(KeyChange<T>{current, current, false});
        }
        return suite(key.suite).observe(
            key.name,
            [key, handler](const SuiteChange& change) {
                handler(KeyChange<T>{convert(key, change.oldValue), convert(key, change.newValue),
                                     change.isPrior});
            },
            options.prior && !options.initial);
    }

    // One handler for a change of any of `keys`.
    [[nodiscard]] kit::Subscription observe(const std::vector<KeyRef>& keys,
                                            const std::function<void()>& handler,
                                            ObservationOptions options = {}) const;

    // Runs `block` with this thread's propagation flag set: its writes reach no observer.
    static void withoutPropagation(const std::function<void()>& block);

private:
    template <typename T> static T convert(const Key<T>& key, const QVariant& object) {
        if (object.isValid())
            if (auto value = Bridge<T>::deserialize(object))
                return clampedToRange(key, std::move(*value));
        return key.defaultValue;
    }

    Suite& m_standard;
    Suite& m_sharedGroup;
};

} // namespace ruvo::settings
