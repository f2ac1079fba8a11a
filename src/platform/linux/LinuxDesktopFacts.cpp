// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/LinuxDesktopFacts.h"

#include "platform/PanelAppletPlaces.h"
#include "platform/linux/ProcRunningApplications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace ruvo::platform {

namespace {

// Debian's package ships the first; Ubuntu's own build the second.
const QStringList kAppIndicatorUuids{QStringLiteral("appindicatorsupport@rgcjonas.gmail.com"),
                                     QStringLiteral("ubuntu-appindicators@ubuntu.com")};

// Calls a method of a bus service whose interface has the service's name, waiting at most
// kDesktopProbeTimeoutMs; the reply's first value, or nothing on an error or a timeout.
std::optional<QVariant> askService(const QDBusConnection& bus, const QString& service,
                                   const QString& path, const QString& method,
                                   const QString& argument) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, service, method);
    call << argument;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kDesktopProbeTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().constFirst();
}

bool hasOwner(const QDBusConnection& bus, const QString& name) {
    const std::optional<QVariant> answer =
        askService(bus, QStringLiteral("org.freedesktop.DBus"),
                   QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("NameHasOwner"), name);
    return answer && answer->toBool();
}

// GNOME Shell's extension states: 1 enabled, 2 disabled, 6 initialized (installed, never
// enabled); an unknown uuid answers an empty dictionary.
AppIndicatorExtension extensionState(const QDBusConnection& bus, const QString& uuid) {
    const std::optional<QVariant> answer =
        askService(bus, QStringLiteral("org.gnome.Shell.Extensions"),
                   QStringLiteral("/org/gnome/Shell"), QStringLiteral("GetExtensionInfo"), uuid);
    if (!answer)
        return AppIndicatorExtension::unknown;
    const QVariantMap info = qdbus_cast<QVariantMap>(*answer);
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

QStringList installedPanelApplets() {
    QStringList panels;
    const QString plasmaMetadata =
        QStringLiteral("plasma/plasmoids/") + plasmaAppletId() + QStringLiteral("/metadata.json");
    if (!QStandardPaths::locate(QStandardPaths::GenericDataLocation, plasmaMetadata).isEmpty())
        panels << QStringLiteral("plasma");
    if (QFileInfo::exists(xfcePluginLibraryFolder() + QStringLiteral("/libruvo.so")) &&
        QFileInfo::exists(xfcePluginDesktopFolder() + QStringLiteral("/ruvo.desktop")))
        panels << QStringLiteral("xfce");
    return panels;
}

DesktopFacts probeThisDesktop() {
    DesktopFacts facts = probeDesktop(QDBusConnection::sessionBus(), ProcRunningApplications(),
                                      QProcessEnvironment::systemEnvironment());
    facts.installedApplets = installedPanelApplets();
    return facts;
}

} // namespace ruvo::platform
