// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Defaults.h"

namespace ruvo::settings {

kit::Subscription Defaults::observe(const std::vector<KeyRef>& keys,
                                    const std::function<void()>& handler,
                                    ObservationOptions options) const {
    if (options.initial)
        handler();
    auto parts = std::make_shared<std::vector<kit::Subscription>>();
    for (const KeyRef& key : keys)
        parts->push_back(suite(key.suite).observe(
            key.name, [handler](const SuiteChange&) { handler(); },
            options.prior && !options.initial));
    return kit::Subscription([parts] { parts->clear(); });
}

void Defaults::withoutPropagation(const std::function<void()>& block) {
    struct Restore {
        bool was = Suite::isPropagationSuppressed();
        ~Restore() { Suite::setPropagationSuppressed(was); }
    } restore;
    Suite::setPropagationSuppressed(true);
    block();
}

} // namespace ruvo::settings
