// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/LinuxDesktopFacts.h"

#include "platform/linux/ProcRunningApplications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

namespace ruvo::platform {

namespace {

// Debian's package ships the first; Ubuntu's own build the second.
const QStringList kAppIndicatorUuids{QStringLiteral("appindicatorsupport@rgcjonas.gmail.com"),
                                     QStringLiteral("ubuntu-appindicators@ubuntu.com")};

bool hasOwner(const QDBusConnection& bus, const QString& name) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    call << name;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kDesktopProbeTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().toBool();
}

// GNOME Shell's extension states: 1 enabled, 2 disabled, 6 initialized (installed, never
// enabled); an unknown uuid answers an empty dictionary.
AppIndicatorExtension extensionState(const QDBusConnection& bus, const QString& uuid) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell.Extensions"), QStringLiteral("/org/gnome/Shell"),
        QStringLiteral("org.gnome.Shell.Extensions"), QStringLiteral("GetExtensionInfo"));
    call << uuid;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kDesktopProbeTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return AppIndicatorExtension::unknown;
    const QVariantMap info = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    if (info.isEmpty())
        return AppIndicatorExtension::notInstalled;
    return info.value(QStringLiteral("state")).toDouble() == 1.0 ? AppIndicatorExtension::enabled
                                                                 : AppIndicatorExtension::disabled;
}

AppIndicatorExtension appIndicatorState(const QDBusConnection& bus) {
    AppIndicatorExtension best = AppIndicatorExtension::unknown;
    for (const QString& uuid : kAppIndicatorUuids) {
        const AppIndicatorExtension state = extensionState(bus, uuid);
        if (state == AppIndicatorExtension::enabled)
            return state;
        if (int(state) > int(best))
            best = state;
    }
    return best;
}

} // namespace

DesktopFacts probeDesktop(const QDBusConnection& bus, const RunningApplications& running,
                          const QProcessEnvironment& environment) {
    DesktopFacts facts;
    facts.currentDesktop = environment.value(QStringLiteral("XDG_CURRENT_DESKTOP"));
    facts.sessionType = environment.value(QStringLiteral("XDG_SESSION_TYPE"));
    facts.hasSwaySocket = !environment.value(QStringLiteral("SWAYSOCK")).isEmpty();
    facts.hasI3Socket = !environment.value(QStringLiteral("I3SOCK")).isEmpty();
    facts.running = running.running(panelProcessNames());
    if (!bus.isConnected())
        return facts;
    facts.hasStatusNotifierWatcher = hasOwner(bus, QStringLiteral("org.kde.StatusNotifierWatcher"));
    facts.hasGnomeShell = hasOwner(bus, QStringLiteral("org.gnome.Shell"));
    if (facts.hasGnomeShell)
        facts.appIndicator = appIndicatorState(bus);
    return facts;
}

DesktopFacts probeThisDesktop() {
    return probeDesktop(QDBusConnection::sessionBus(), ProcRunningApplications(),
                        QProcessEnvironment::systemEnvironment());
}

} // namespace ruvo::platform
