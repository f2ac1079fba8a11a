// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PanelAppletClients.h"

#include "platform/linux/PlatformLog.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace ruvo::platform {

PanelAppletClients::PanelAppletClients(kit::Scheduler& scheduler, QObject* parent)
    : QObject(parent), m_scheduler(scheduler) {}

void PanelAppletClients::watchOn(QDBusConnection bus) {
    m_bus = bus;
    delete m_watcher;
    m_watcher = new QDBusServiceWatcher(this);
    m_watcher->setConnection(m_bus);
    m_watcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            [this](const QString& name) { forget(name); });
}

void PanelAppletClients::noteCaller(const QString& sender) {
    if (!m_watcher || !sender.startsWith(QLatin1Char(':')) || m_clients.count(sender) ||
        m_checking.count(sender) || m_clients.size() + m_checking.size() >= kMaxClients)
        return;
    // The watch is in place before the question is asked, so a caller that leaves after the
    // answer is seen leaving.
    m_checking.insert(sender);
    m_watcher->addWatchedService(sender);
    auto* pending = new QDBusPendingCallWatcher(
        m_bus.interface()->asyncCall(QStringLiteral("NameHasOwner"), sender), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, sender](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<bool> reply = *call;
                if (!m_checking.erase(sender))
                    return; // left while we asked
                if (reply.isValid() && reply.value())
                    confirm(sender);
                else
                    m_watcher->removeWatchedService(sender);
            });
}

void PanelAppletClients::confirm(const QString& sender) {
    m_clients.insert(sender);
    qCDebug(lcPlatform) << "panel applet client" << sender << "of" << m_clients.size();
    update();
}

void PanelAppletClients::forget(const QString& sender) {
    m_checking.erase(sender);
    m_watcher->removeWatchedService(sender);
    if (m_clients.erase(sender))
        update();
}

void PanelAppletClients::update() {
    const bool present = !m_clients.empty();
    if (present == m_isShown) {
        m_change.cancel();
        return;
    }
    if (m_change.isActive())
        return; // already on its way to `present`
    m_change = m_scheduler.after(present ? kSettle : kGrace, [this] {
        m_isShown = !m_isShown;
        qCInfo(lcPlatform) << (m_isShown ? "a panel applet shows the clock"
                                         : "no panel applet shows the clock");
        Q_EMIT shownChanged(m_isShown);
    });
}

} // namespace ruvo::platform
