// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Signal.h"

namespace ruvo::kit {

void Subscription::tieTo(QObject* owner) {
    // The holder is a child of the owner, so Qt destroys it, and with it the subscription.
    struct Holder : QObject {
        explicit Holder(QObject* parent, Subscription s) : QObject(parent), sub(std::move(s)) {}
        Subscription sub;
    };
    new Holder(owner, std::move(*this));
}

} // namespace ruvo::kit
