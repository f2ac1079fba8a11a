// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SniStatusItem.h"

#include "platform/linux/DBusMenuExporter.h"
#include "platform/linux/PlatformLog.h"
#include "platform/linux/StatusNotifierItemObject.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QPalette>

namespace ruvo::platform {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kItemPath = QStringLiteral("/StatusNotifierItem");

QDBusConnection connectionFor(const SniStatusItem::Options& options) {
    const QString name = QStringLiteral("ruvo-sni-") + options.id;
    return options.busAddress.isEmpty()
               ? QDBusConnection::connectToBus(QDBusConnection::SessionBus, name)
               : QDBusConnection::connectToBus(options.busAddress, name);
}

// The label's width guide: every digit as "0", so the panel keeps the width as digits change.
QString guideFor(const QString& label) {
    QString guide = label;
    for (QChar& c : guide)
        if (c.isDigit())
            c = QLatin1Char('0');
    return guide;
}

} // namespace

bool panelShowsLabel(const QString& currentDesktop) {
    const QStringList names = currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& name : names)
        if (name.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String("Unity"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

SniStatusItem::SniStatusItem(Options options, const StatusIconPainter& painter, QObject* parent)
    : QObject(parent), m_options(std::move(options)), m_painter(painter),
      m_connection(connectionFor(m_options)) {
    m_item = new StatusNotifierItemObject(m_options.id, QStringLiteral("Ruvo"), this);
    m_menu = new DBusMenuExporter(m_connection, QStringLiteral("/MenuBar"), this);
    if (!m_connection.isConnected()) {
        qCWarning(lcPlatform) << "no session bus: the status item" << m_options.id
                              << "cannot be shown:" << m_connection.lastError().message();
        return;
    }
    m_connection.registerObject(kItemPath, m_item,
                                QDBusConnection::ExportScriptableContents |
                                    QDBusConnection::ExportAllProperties);
    connect(m_item, &StatusNotifierItemObject::activated, this,
            [this](int x, int y) { onActivate(Activation::primary, x, y); });
    connect(m_item, &StatusNotifierItemObject::secondaryActivated, this,
            [this](int x, int y) { onActivate(Activation::secondary, x, y); });
    connect(m_item, &StatusNotifierItemObject::propertiesChanged, this,
            &SniStatusItem::sendPropertiesChanged);
    m_watcher = new QDBusServiceWatcher(kWatcherService, m_connection,
                                        QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this] { registerWithWatcher(); });
    registerWithWatcher();
}

SniStatusItem::~SniStatusItem() {
    if (m_connection.isConnected()) {
        m_connection.unregisterObject(kItemPath);
        m_connection.unregisterObject(QStringLiteral("/MenuBar"));
    }
    QDBusConnection::disconnectFromBus(m_connection.name());
}

QString SniStatusItem::serviceName() const {
    return m_connection.baseService();
}

void SniStatusItem::registerWithWatcher() {
    auto call = QDBusMessage::createMethodCall(
        kWatcherService, QStringLiteral("/StatusNotifierWatcher"), kWatcherService,
        QStringLiteral("RegisterStatusNotifierItem"));
    call << m_connection.baseService();
    auto* pending = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const bool ok = !w->isError();
        if (!ok)
            qCInfo(lcPlatform) << "no StatusNotifierWatcher took the item" << m_options.id << "("
                               << w->error().name() << ")";
        if (ok != m_isRegistered) {
            m_isRegistered = ok;
            Q_EMIT registrationChanged(ok);
        }
    });
}

void SniStatusItem::setContent(const StatusItemContent& content) {
    if (content == m_content && !m_item->iconPixmap().isEmpty())
        return;
    m_content = content;
    m_item->setLabel(content.title, guideFor(content.title));
    m_item->setToolTip(content.title, content.toolTip);
    repaint();
}

void SniStatusItem::repaint() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const bool dark =
        m_content.prefersDark || (app && app->palette().window().color().lightness() < 128);
    SniPixmapList pixmaps;
    if (m_options.drawTextIntoIcon && !m_content.squareText.isEmpty()) {
        // These panels scale every icon into a square: a strip of text would be unreadable.
        for (int pixels : kSquareIconSizes)
            pixmaps.append(SniPixmap::fromImage(m_painter.paintSquare(m_content, pixels, dark)));
    } else {
        for (double ratio : {1.0, 2.0})
            pixmaps.append(SniPixmap::fromImage(
                m_painter.paint(m_content, m_options.drawTextIntoIcon, dark, ratio)));
    }
    m_item->setPixmaps(pixmaps);
}

void SniStatusItem::setVisible(bool visible) {
    m_isVisible = visible;
    m_item->setVisible(visible);
}

void SniStatusItem::setPassive(bool isPassive) {
    m_item->setPassive(isPassive);
}

void SniStatusItem::setMenu(const std::vector<StatusMenuEntry>& entries) {
    m_menu->setEntries(entries);
}

void SniStatusItem::onMenuEntryChosen(std::function<void(const QString&)> handler) {
    m_menu->onChosen(std::move(handler));
}

void SniStatusItem::onActivate(Activation kind, int x, int y) {
    if (!m_activated)
        return;
    ActivationEvent event{kind, std::nullopt};
    if (x != 0 || y != 0)
        event.screenPosition = QPoint(x, y);
    m_activated(event);
}

void SniStatusItem::sendPropertiesChanged(const QVariantMap& changed) {
    auto signal =
        QDBusMessage::createSignal(kItemPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.kde.StatusNotifierItem") << changed << QStringList();
    m_connection.send(signal);
}

} // namespace ruvo::platform
