// SPDX-License-Identifier: GPL-3.0-or-later
// A control's hold on its key: reads and writes the key's JSON form through the catalogue and
// calls back when the stored value changes, from the window or from anywhere else.
#pragma once

#include "kit/Signal.h"
#include "settings/Catalogue.h"

#include <QJsonValue>
#include <functional>

namespace ruvo::views {

class KeyBinding {
public:
    KeyBinding(const settings::Defaults& defaults, const QString& key);

    bool isValid() const { return m_entry.has_value(); }
    const settings::CatalogueEntry& entry() const { return *m_entry; }
    QJsonValue value() const;
    // Stores `value`; false (and a log line) when the key refuses it.
    bool setValue(const QJsonValue& value) const;
    bool isOptional() const; // the default is null: "none" can be stored

    // Calls `handler` with the value now and after every change.
    void onChange(std::function<void(const QJsonValue&)> handler);

private:
    const settings::Defaults& m_defaults;
    std::optional<settings::CatalogueEntry> m_entry;
    kit::Subscription m_subscription;
};

} // namespace ruvo::views
