// SPDX-License-Identifier: GPL-3.0-or-later
// Which connections on the bus show the clock through the applet interface: the Xfce plugin
// keeps one connection for as long as the panel runs; the Plasma applet has a dbus-send
// waiting almost all the time, each a connection of its own. A caller counts once it is still
// on the bus after its call (a one-off `gdbus call` is gone by then) and stops counting when
// its connection closes.
//
// The applets are "shown" once a client has been there for kSettle, and stop being shown only
// after no client has been there for kGrace: the Plasma applet's calls leave short gaps
// between one dbus-send and the next, which must not make the tray's item blink.
#pragma once

#include "kit/Scheduler.h"

#include <QDBusConnection>
#include <QObject>
#include <set>

class QDBusServiceWatcher;

namespace ruvo::platform {

class PanelAppletClients final : public QObject {
    Q_OBJECT
public:
    static constexpr kit::Milliseconds kSettle{2'000};
    static constexpr kit::Milliseconds kGrace{10'000};
    // Connections followed at once; a caller beyond this is not followed (and not counted).
    static constexpr std::size_t kMaxClients = 64;

    explicit PanelAppletClients(kit::Scheduler& scheduler, QObject* parent = nullptr);

    // Follows `bus`'s name changes; calls from before this are not seen.
    void watchOn(QDBusConnection bus);
    // A call came from the unique name `sender`.
    void noteCaller(const QString& sender);

    bool isShown() const { return m_isShown; }
    std::size_t count() const { return m_clients.size(); }
    // True while the bus has not yet said whether a caller is still there.
    bool isChecking() const { return !m_checking.empty(); }

Q_SIGNALS:
    void shownChanged(bool isShown);

private:
    void confirm(const QString& sender);
    void forget(const QString& sender);
    void update();

    kit::Scheduler& m_scheduler;
    QDBusConnection m_bus{QString()};
    QDBusServiceWatcher* m_watcher = nullptr;
    std::set<QString> m_clients;  // confirmed, still on the bus
    std::set<QString> m_checking; // asked about, not answered yet
    bool m_isShown = false;
    kit::Timer m_change; // pending while the clients disagree with m_isShown
};

} // namespace ruvo::platform
