// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/XEmbedStatusItem.h"

#include "platform/linux/SniStatusItem.h"
#include "platform/linux/StatusMenu.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QMenu>
#include <QPalette>
#include <QSystemTrayIcon>

namespace ruvo::platform {

XEmbedStatusItem::XEmbedStatusItem(const StatusIconPainter& painter, QObject* parent)
    : QObject(parent), m_painter(painter), m_tray(new QSystemTrayIcon(this)),
      m_menu(std::make_unique<QMenu>()) {
    m_tray->setContextMenu(m_menu.get());
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (!m_activated)
            return;
        if (r == QSystemTrayIcon::Trigger)
            m_activated({Activation::primary, QCursor::pos()});
        else if (r == QSystemTrayIcon::MiddleClick)
            m_activated({Activation::secondary, QCursor::pos()});
    });
}

XEmbedStatusItem::~XEmbedStatusItem() = default;

void XEmbedStatusItem::setContent(const StatusItemContent& content) {
    const bool dark = content.prefersDark || qGuiApp->palette().window().color().lightness() < 128;
    QIcon icon;
    if (!content.squareText.isEmpty()) {
        for (int pixels : kSquareIconSizes)
            icon.addPixmap(QPixmap::fromImage(m_painter.paintSquare(content, pixels, dark)));
    } else {
        for (double ratio : {1.0, 2.0})
            icon.addPixmap(QPixmap::fromImage(m_painter.paint(content, true, dark, ratio)));
    }
    m_tray->setIcon(icon);
    // The square icon shows only part of the text: the tooltip gives all of it.
    const bool isSquare = !content.squareText.isEmpty() && !content.toolTip.isEmpty();
    m_tray->setToolTip(isSquare ? content.title + QLatin1Char('\n') + content.toolTip
                       : content.toolTip.isEmpty() ? content.title
                                                   : content.toolTip);
}

void XEmbedStatusItem::setVisible(bool visible) {
    m_isVisible = visible;
    m_tray->setVisible(m_isVisible && !m_isPassive);
}

bool XEmbedStatusItem::isVisible() const {
    return m_isVisible;
}

// XEmbed trays know no item states: the icon goes while an applet shows the clock.
void XEmbedStatusItem::setPassive(bool isPassive) {
    m_isPassive = isPassive;
    m_tray->setVisible(m_isVisible && !m_isPassive);
}

void XEmbedStatusItem::setMenu(const std::vector<StatusMenuEntry>& entries) {
    fillStatusMenu(*m_menu, entries, [this](const QString& id) {
        if (m_chosen)
            m_chosen(id);
    });
}

bool XEmbedStatusItem::isShownByHost() const {
    return QSystemTrayIcon::isSystemTrayAvailable() && m_isVisible;
}

std::unique_ptr<StatusItem> makeStatusItem(const QString& id, const StatusIconPainter& painter) {
    auto* bus = QDBusConnection::sessionBus().interface();
    const bool hasWatcher =
        bus && bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
    if (!hasWatcher && QSystemTrayIcon::isSystemTrayAvailable())
        return std::make_unique<XEmbedStatusItem>(painter);
    const bool label = panelShowsLabel(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    return std::make_unique<SniStatusItem>(SniStatusItem::Options{id, {}, !label}, painter);
}

} // namespace ruvo::platform
