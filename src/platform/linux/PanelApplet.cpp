// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PanelApplet.h"

#include "platform/linux/PlatformLog.h"
#include "platform/linux/StatusMenu.h"

#include <QBuffer>
#include <QMenu>

namespace ruvo::platform {

const QString PanelApplet::kObjectPath = QStringLiteral("/io/github/ruvo/Ruvo/Panel");
const QString PanelApplet::kInterface = QStringLiteral("io.github.ruvo.Panel1");

PanelApplet::PanelApplet(kit::Scheduler& scheduler, const StatusIconPainter* painter,
                         QObject* parent)
    : QObject(parent), m_clients(scheduler), m_painter(painter) {
    new PanelAppletAdaptor(this);
}

PanelApplet::~PanelApplet() {
    if (m_bus.isConnected())
        m_bus.unregisterObject(kObjectPath);
}

bool PanelApplet::registerOn(QDBusConnection bus) {
    m_bus = bus;
    if (!m_bus.isConnected())
        return false;
    if (!m_bus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors)) {
        qCWarning(lcPlatform) << "cannot export the panel applet interface:"
                              << m_bus.lastError().message();
        return false;
    }
    m_clients.watchOn(m_bus);
    return true;
}

void PanelApplet::setContent(const StatusItemContent& content) {
    m_content = content;
    publish();
    publishIcon();
}

void PanelApplet::setVisible(bool visible) {
    m_isVisible = visible;
    publish();
    publishIcon();
}

// Drawn only when the icon itself changes (a date icon daily), not at every tick of the text.
void PanelApplet::publishIcon() {
    std::optional<StatusItemIcon> shown;
    if (m_isVisible && m_content.imagePosition != ImagePosition::noImage)
        shown = m_content.icon;
    if (shown == m_shownIcon)
        return;
    m_shownIcon = shown;
    m_icon.name = shown ? shown->name : QString();
    m_icon.png = shown ? iconPng(*shown) : QByteArray();
    ++m_icon.serial;
    Q_EMIT iconChanged(m_icon.name, m_icon.png, m_icon.serial);
    for (const QDBusMessage& waiting : std::exchange(m_waitingForIcon, {}))
        answerIcon(waiting);
}

QByteArray PanelApplet::iconPng(const StatusItemIcon& icon) const {
    if (!m_painter)
        return {};
    StatusItemContent alone;
    alone.icon = icon;
    alone.imagePosition = ImagePosition::imageOnly;
    QImage image = m_painter->paint(alone, false, true, 2.0).convertToFormat(QImage::Format_ARGB32);
    // A mask: the applet gives it the panel's colour, as the panel's own icons have.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgba(255, 255, 255, qAlpha(line[x]));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

void PanelApplet::publish() {
    PanelAppletState next;
    next.text = m_isVisible ? m_content.title : QString();
    next.toolTip = m_isVisible ? m_content.toolTip : QString();
    if (m_content.style.color)
        next.textColor = m_content.style.color->name(QColor::HexRgb);
    if (next.text == m_state.text && next.toolTip == m_state.toolTip &&
        next.textColor == m_state.textColor)
        return;
    next.serial = m_state.serial + 1;
    m_state = next;
    Q_EMIT textChanged(m_state.text, m_state.toolTip, m_state.textColor, m_state.serial);
    for (const QDBusMessage& waiting : std::exchange(m_waiting, {}))
        answer(waiting);
}

PanelAppletState PanelApplet::content(const QDBusMessage& message) {
    m_clients.noteCaller(message.service());
    return m_state;
}

void PanelApplet::waitForChange(uint serial, const QDBusMessage& message) {
    m_clients.noteCaller(message.service());
    if (serial != m_state.serial)
        answer(message);
    else
        hold(m_waiting, message, &PanelApplet::answer);
}

PanelAppletIcon PanelApplet::iconContent(const QDBusMessage& message) {
    m_clients.noteCaller(message.service());
    return m_icon;
}

void PanelApplet::waitForIconChange(uint serial, const QDBusMessage& message) {
    m_clients.noteCaller(message.service());
    if (serial != m_icon.serial)
        answerIcon(message);
    else
        hold(m_waitingForIcon, message, &PanelApplet::answerIcon);
}

void PanelApplet::hold(std::vector<QDBusMessage>& waiting, const QDBusMessage& message,
                       void (PanelApplet::*answerOne)(const QDBusMessage&) const) {
    message.setDelayedReply(true);
    if (waiting.size() >= kMaxWaiting) {
        (this->*answerOne)(waiting.front());
        waiting.erase(waiting.begin());
    }
    waiting.push_back(message);
}

void PanelApplet::answer(const QDBusMessage& waiting) const {
    m_bus.send(waiting.createReply(
        {m_state.text, m_state.toolTip, m_state.textColor, QVariant::fromValue(m_state.serial)}));
}

void PanelApplet::answerIcon(const QDBusMessage& waiting) const {
    m_bus.send(waiting.createReply({m_icon.name, m_icon.png, QVariant::fromValue(m_icon.serial)}));
}

void PanelApplet::activate(int x, int y, const QDBusMessage& message) {
    m_clients.noteCaller(message.service());
    if (m_activated)
        m_activated({Activation::primary, QPoint(x, y)});
}

void PanelApplet::setMenu(const std::vector<StatusMenuEntry>& entries) {
    m_menuEntries = entries;
}

void PanelApplet::contextMenu(int x, int y, const QDBusMessage& message) {
    m_clients.noteCaller(message.service());
    m_menu = std::make_unique<QMenu>();
    fillStatusMenu(*m_menu, m_menuEntries, [this](const QString& id) {
        if (m_chosen)
            m_chosen(id);
    });
    m_menu->popup(QPoint(x, y));
}

PanelAppletAdaptor::PanelAppletAdaptor(PanelApplet* applet)
    : QDBusAbstractAdaptor(applet), m_applet(applet) {
    setAutoRelaySignals(false);
    connect(applet, &PanelApplet::textChanged, this, &PanelAppletAdaptor::TextChanged);
    connect(applet, &PanelApplet::iconChanged, this, &PanelAppletAdaptor::IconChanged);
}

QString PanelAppletAdaptor::Content(const QDBusMessage& message, QString& toolTip,
                                    QString& textColor, uint& serial) {
    const PanelAppletState state = m_applet->content(message);
    toolTip = state.toolTip;
    textColor = state.textColor;
    serial = state.serial;
    return state.text;
}

void PanelAppletAdaptor::WaitForChange(uint serial, const QDBusMessage& message) {
    m_applet->waitForChange(serial, message);
}

void PanelAppletAdaptor::Activate(int x, int y, const QDBusMessage& message) {
    m_applet->activate(x, y, message);
}

void PanelAppletAdaptor::ContextMenu(int x, int y, const QDBusMessage& message) {
    m_applet->contextMenu(x, y, message);
}

} // namespace ruvo::platform

namespace ruvo::platform {

QString PanelAppletAdaptor::Icon(const QDBusMessage& message, QByteArray& png, uint& serial) {
    const PanelAppletIcon icon = m_applet->iconContent(message);
    png = icon.png;
    serial = icon.serial;
    return icon.name;
}

void PanelAppletAdaptor::WaitForIconChange(uint serial, const QDBusMessage& message) {
    m_applet->waitForIconChange(serial, message);
}

} // namespace ruvo::platform
