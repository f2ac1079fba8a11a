// SPDX-License-Identifier: GPL-3.0-or-later
// Hiding events from every list, menu-bar text and alert: `hiddenEvents` holds the external
// identifiers of hidden events, the latest last. Hiding is by identity, so it takes every
// occurrence of a repeating event; the "Hidden Events" menu lists the latest ten.
#pragma once

#include "platform/CalendarStore.h"
#include "settings/Defaults.h"

#include <QCoreApplication>

namespace ruvo::events::actions {

inline QString hideRepeatingWarning() {
    return QCoreApplication::translate(
        "HiddenEvents",
        "Hiding a repeating event will hide all of its instances, not just this one.");
}
inline const QString kHideEventsTipId = QStringLiteral("hideEventsTip");
inline QString hideEventsTip() {
    return QCoreApplication::translate(
        "HiddenEvents",
        "\nRecently hidden events can be accessed from the “…” menu. You can also unhide events "
        "from there.\n\nThe event is only hidden in Ruvo, not in other calendar apps.\n");
}

struct HiddenEvent {
    QString identifier; // the external identifier stored in `hiddenEvents`
    QString title;      // the event's title, or the identifier when the store no longer has it
    friend bool operator==(const HiddenEvent&, const HiddenEvent&) = default;
};

class HiddenEvents {
public:
    static constexpr int kMenuCount = 10;

    HiddenEvents(const settings::Defaults& defaults, const platform::CalendarStore& store)
        : m_defaults(defaults), m_store(store) {}

    bool isHidden(const platform::Event& event) const;
    // Hiding again moves the event to the latest place. The answer says whether the
    // first-time tip is due now (it is shown once per installation).
    bool hide(const platform::Event& event) const;
    void unhide(const QString& identifier) const;
    // The latest `count` hidden events, the latest first.
    std::vector<HiddenEvent> latest(int count = kMenuCount) const;

private:
    QString titleOf(const QString& identifier) const;

    const settings::Defaults& m_defaults;
    const platform::CalendarStore& m_store;
};

} // namespace ruvo::events::actions
