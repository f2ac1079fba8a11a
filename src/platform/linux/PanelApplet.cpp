// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PanelApplet.h"

#include "platform/linux/PlatformLog.h"
#include "platform/linux/StatusMenu.h"

#include <QMenu>

namespace ruvo::platform {

const QString PanelApplet::kObjectPath = QStringLiteral("/io/github/ruvo/Ruvo/Panel");
const QString PanelApplet::kInterface = QStringLiteral("io.github.ruvo.Panel1");

PanelApplet::PanelApplet(QObject* parent) : QObject(parent) {
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
    return true;
}

void PanelApplet::setContent(const StatusItemContent& content) {
    m_content = content;
    publish();
}

void PanelApplet::setVisible(bool visible) {
    m_isVisible = visible;
    publish();
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

PanelAppletState PanelApplet::content() {
    m_hasClient = true;
    return m_state;
}

void PanelApplet::waitForChange(uint serial, const QDBusMessage& message) {
    m_hasClient = true;
    if (serial != m_state.serial) {
        answer(message);
        return;
    }
    message.setDelayedReply(true);
    if (m_waiting.size() >= kMaxWaiting) {
        answer(m_waiting.front());
        m_waiting.erase(m_waiting.begin());
    }
    m_waiting.push_back(message);
}

void PanelApplet::answer(const QDBusMessage& waiting) const {
    m_bus.send(waiting.createReply(
        {m_state.text, m_state.toolTip, m_state.textColor, QVariant::fromValue(m_state.serial)}));
}

void PanelApplet::activate(int x, int y) {
    m_hasClient = true;
    if (m_activated)
        m_activated({Activation::primary, QPoint(x, y)});
}

void PanelApplet::setMenu(const std::vector<StatusMenuEntry>& entries) {
    m_menuEntries = entries;
}

void PanelApplet::contextMenu(int x, int y) {
    m_hasClient = true;
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
}

QString PanelAppletAdaptor::Content(QString& toolTip, QString& textColor, uint& serial) {
    const PanelAppletState state = m_applet->content();
    toolTip = state.toolTip;
    textColor = state.textColor;
    serial = state.serial;
    return state.text;
}

void PanelAppletAdaptor::WaitForChange(uint serial, const QDBusMessage& message) {
    m_applet->waitForChange(serial, message);
}

void PanelAppletAdaptor::Activate(int x, int y) {
    m_applet->activate(x, y);
}

void PanelAppletAdaptor::ContextMenu(int x, int y) {
    m_applet->contextMenu(x, y);
}

} // namespace ruvo::platform
