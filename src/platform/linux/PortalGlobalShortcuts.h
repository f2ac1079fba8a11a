// SPDX-License-Identifier: GPL-3.0-or-later
// Global shortcuts through the desktop portal (org.freedesktop.portal.GlobalShortcuts), where
// the desktop, not this program, owns the keys: on Wayland, and on X11 when a key grab fails.
// A session carries our shortcut names with their stored keys as the preferred triggers; the
// desktop may ask the user and may choose other keys. Changing the shortcuts closes the
// session and binds the new set in a new one.
#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <vector>

namespace ruvo::platform {

// One entry of the portal's shortcut lists (D-Bus signature "(sa{sv})").
struct PortalShortcut {
    QString id;
    QVariantMap properties; // description, preferred_trigger; trigger_description in replies
};
using PortalShortcutList = QList<PortalShortcut>;
QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

class PortalGlobalShortcuts final : public QObject {
    Q_OBJECT
public:
    static const QString kService;
    static const QString kPath;
    static const QString kInterface;

    enum class Availability { unknown, available, unavailable };

    struct Shortcut {
        QString id;
        QString description;
        QString trigger; // empty: the desktop or the user picks one
    };

    // Asks at once whether the desktop offers the interface; onAvailability tells the answer.
    explicit PortalGlobalShortcuts(QDBusConnection bus, QObject* parent = nullptr);
    ~PortalGlobalShortcuts() override;

    Availability availability() const { return m_availability; }

    // Tells the portal which application this connection is, for a program that runs outside
    // a sandbox (where the portal cannot tell); it counts only before any other portal call on
    // the connection. A portal without the registry ignores it.
    static void registerApplication(QDBusConnection bus, const QString& applicationId);

    // Replaces the bound shortcuts (none: closes the session). Kept until the portal answers.
    void bind(std::vector<Shortcut> shortcuts);

    std::function<void(bool isAvailable)> onAvailability;
    std::function<void(const QString& id)> onActivated;

private Q_SLOTS:
    void onResponse(const QDBusMessage& message);
    void onActivatedSignal(const QDBusMessage& message);

private:
    void setAvailability(Availability availability);
    void restart();
    void closeSession();
    void createSession();
    void bindShortcuts();
    QString nextToken();
    QString requestPath(const QString& token) const;
    void call(const QString& method, const QVariantList& arguments, const QString& token);

    enum class Step { none, creatingSession, binding };

    QDBusConnection m_bus;
    Availability m_availability = Availability::unknown;
    std::vector<Shortcut> m_shortcuts;
    QString m_session;
    QString m_pendingRequest;
    Step m_step = Step::none;
    int m_tokens = 0;
};

} // namespace ruvo::platform

Q_DECLARE_METATYPE(ruvo::platform::PortalShortcut)
