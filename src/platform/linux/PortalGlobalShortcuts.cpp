// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PortalGlobalShortcuts.h"

#include "platform/linux/PlatformLog.h"

#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace ruvo::platform {

const QString PortalGlobalShortcuts::kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalGlobalShortcuts::kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString PortalGlobalShortcuts::kInterface =
    QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

namespace {
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");
} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

PortalGlobalShortcuts::PortalGlobalShortcuts(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<PortalShortcutList>();
    if (!m_bus.isConnected()) {
        m_availability = Availability::unavailable;
        return;
    }
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                  SLOT(onActivatedSignal(QDBusMessage)));
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kInterface << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const bool isOffered = !w->isError();
        if (!isOffered)
            qCInfo(lcPlatform) << "No global shortcuts portal:" << w->error().message();
        setAvailability(isOffered ? Availability::available : Availability::unavailable);
    });
}

void PortalGlobalShortcuts::registerApplication(QDBusConnection bus, const QString& applicationId) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.host.portal.Registry"),
        QStringLiteral("Register"));
    call << applicationId << QVariantMap{};
    bus.asyncCall(call);
}

PortalGlobalShortcuts::~PortalGlobalShortcuts() {
    closeSession();
}

void PortalGlobalShortcuts::setAvailability(Availability availability) {
    m_availability = availability;
    if (availability == Availability::available)
        restart();
    if (onAvailability)
        onAvailability(availability == Availability::available);
}

void PortalGlobalShortcuts::bind(std::vector<Shortcut> shortcuts) {
    m_shortcuts = std::move(shortcuts);
    if (m_availability == Availability::available)
        restart();
}

void PortalGlobalShortcuts::restart() {
    closeSession();
    m_pendingRequest.clear();
    m_step = Step::none;
    if (!m_shortcuts.empty())
        createSession();
}

void PortalGlobalShortcuts::closeSession() {
    if (m_session.isEmpty())
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(kService, m_session, kSessionInterface,
                                                   QStringLiteral("Close")));
    m_session.clear();
}

QString PortalGlobalShortcuts::nextToken() {
    return QStringLiteral("ruvo%1").arg(++m_tokens);
}

// The portal's request objects live at a path made of our unique name and the token, so the
// answer can be awaited before the call goes out.
QString PortalGlobalShortcuts::requestPath(const QString& token) const {
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

void PortalGlobalShortcuts::call(const QString& method, const QVariantList& arguments,
                                 const QString& token) {
    m_pendingRequest = requestPath(token);
    m_bus.connect(kService, m_pendingRequest, kRequestInterface, QStringLiteral("Response"), this,
                  SLOT(onResponse(QDBusMessage)));
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [method](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                if (w->isError())
                    qCWarning(lcPlatform) << "The global shortcuts portal refused" << method << ":"
                                          << w->error().message();
            });
}

void PortalGlobalShortcuts::createSession() {
    m_step = Step::creatingSession;
    const QString token = nextToken();
    call(QStringLiteral("CreateSession"),
         {QVariantMap{{QStringLiteral("handle_token"), token},
                      {QStringLiteral("session_handle_token"), token}}},
         token);
}

void PortalGlobalShortcuts::bindShortcuts() {
    m_step = Step::binding;
    PortalShortcutList list;
    for (const Shortcut& shortcut : m_shortcuts) {
        QVariantMap properties{{QStringLiteral("description"), shortcut.description}};
        if (!shortcut.trigger.isEmpty())
            properties.insert(QStringLiteral("preferred_trigger"), shortcut.trigger);
        list << PortalShortcut{shortcut.id, properties};
    }
    const QString token = nextToken();
    call(QStringLiteral("BindShortcuts"),
         {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(list), QString(),
          QVariantMap{{QStringLiteral("handle_token"), token}}},
         token);
}

void PortalGlobalShortcuts::onResponse(const QDBusMessage& message) {
    m_bus.disconnect(kService, message.path(), kRequestInterface, QStringLiteral("Response"), this,
                     SLOT(onResponse(QDBusMessage)));
    const QVariantList arguments = message.arguments();
    if (message.path() != m_pendingRequest || arguments.size() < 2)
        return;
    m_pendingRequest.clear();
    const uint response = arguments[0].toUInt();
    const QVariantMap results = qdbus_cast<QVariantMap>(arguments[1]);
    if (response != 0) {
        qCWarning(lcPlatform) << "The global shortcuts portal answered" << response
                              << (m_step == Step::binding ? "to binding the shortcuts"
                                                          : "to opening a session");
        m_step = Step::none;
        return;
    }
    if (m_step == Step::creatingSession) {
        const QVariant handle = results.value(QStringLiteral("session_handle"));
        m_session = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                         : handle.toString();
        bindShortcuts();
        return;
    }
    m_step = Step::none;
    // The keys the desktop chose, which may differ from the ones proposed.
    const auto bound = qdbus_cast<PortalShortcutList>(results.value(QStringLiteral("shortcuts")));
    for (const PortalShortcut& shortcut : bound)
        qCInfo(lcPlatform).noquote()
            << "The desktop runs the shortcut" << shortcut.id << "on"
            << shortcut.properties.value(QStringLiteral("trigger_description")).toString();
    if (bound.isEmpty())
        qCInfo(lcPlatform) << "The desktop bound" << m_shortcuts.size() << "global shortcuts";
}

void PortalGlobalShortcuts::onActivatedSignal(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2 || m_session.isEmpty())
        return;
    const QString session = arguments[0].canConvert<QDBusObjectPath>()
                                ? arguments[0].value<QDBusObjectPath>().path()
                                : arguments[0].toString();
    if (session == m_session && onActivated)
        onActivated(arguments[1].toString());
}

} // namespace ruvo::platform
