// SPDX-License-Identifier: GPL-3.0-or-later
// The clock item for panel applets (Plasma, Xfce, any panel that can speak D-Bus): the item's
// text, tooltip and colour on the program's own bus name, under /io/github/ruvo/Ruvo/Panel with
// the interface io.github.ruvo.Panel1. Applets draw the text in the panel's own style; a change
// is sent as a signal, so an applet costs the program no wake-ups.
//
// Clients that can only run a command (a QML applet with the executable data engine) use
// WaitForChange: the call is answered when the content differs from the serial they know.
//
// The chosen icon travels apart from the text (Icon, IconChanged, WaitForIconChange) with a
// serial of its own, since it changes at most daily while the text changes every minute: its
// stored name, and its picture as a PNG drawn white on transparent at twice the panel's
// 22-point height, for the applet to tint in the panel's text colour.
//
// A caller that stays on the bus counts as an applet showing the clock (PanelAppletClients);
// while one does, the program's tray item steps aside.
#pragma once

#include "platform/StatusItem.h"
#include "platform/linux/PanelAppletClients.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <memory>

class QMenu;

namespace ruvo::platform {

// What an applet shows, in one piece (the reply of Content and WaitForChange, and TextChanged).
struct PanelAppletState {
    QString text;      // empty while the item is hidden
    QString toolTip;   // the long date
    QString textColor; // "#rrggbb" when the user chose a colour, else empty: the panel's own
    uint serial = 0;   // grows with every change
};

// The chosen icon as applets get it; both empty without one (or while the item is hidden).
struct PanelAppletIcon {
    QString name;    // the stored name of `iconInMenuBar` ("dateWithBorder", "star")
    QByteArray png;  // white on transparent, at a device pixel ratio of 2
    uint serial = 0; // grows with every change of the icon
};

class PanelApplet final : public QObject, public StatusItem {
    Q_OBJECT
public:
    static const QString kObjectPath;
    static const QString kInterface;
    // Held WaitForChange calls beyond this are answered at once, oldest first.
    static constexpr int kMaxWaiting = 32;

    // Without `painter` the applets get no icon picture.
    explicit PanelApplet(kit::Scheduler& scheduler, const StatusIconPainter* painter = nullptr,
                         QObject* parent = nullptr);
    ~PanelApplet() override;

    // Exports the object on `bus` (which owns the program's name already).
    bool registerOn(QDBusConnection bus);

    void setContent(const StatusItemContent& content) override;
    void setVisible(bool visible) override;
    bool isVisible() const override { return m_isVisible; }
    void setMenu(const std::vector<StatusMenuEntry>& entries) override;
    void onActivated(std::function<void(const ActivationEvent&)> handler) override {
        m_activated = std::move(handler);
    }
    void onMenuEntryChosen(std::function<void(const QString&)> handler) override {
        m_chosen = std::move(handler);
    }
    // True while an applet keeps asking for the content: a panel shows the clock.
    bool isShownByHost() const override { return m_clients.isShown(); }
    // Follows isShownByHost (shownChanged), for a tray item to stand back meanwhile.
    const PanelAppletClients& clients() const { return m_clients; }

    const PanelAppletState& state() const { return m_state; }
    const PanelAppletIcon& icon() const { return m_icon; }

    // The D-Bus calls, from the adaptor; `message` is the call, for its sender.
    PanelAppletState content(const QDBusMessage& message);
    void waitForChange(uint serial, const QDBusMessage& message);
    PanelAppletIcon iconContent(const QDBusMessage& message);
    void waitForIconChange(uint serial, const QDBusMessage& message);
    void activate(int x, int y, const QDBusMessage& message);
    void contextMenu(int x, int y, const QDBusMessage& message);

Q_SIGNALS:
    void textChanged(const QString& text, const QString& toolTip, const QString& textColor,
                     uint serial);
    void iconChanged(const QString& name, const QByteArray& png, uint serial);

private:
    void publish();
    void publishIcon();
    QByteArray iconPng(const StatusItemIcon& icon) const;
    void answer(const QDBusMessage& waiting) const;
    void answerIcon(const QDBusMessage& waiting) const;
    void hold(std::vector<QDBusMessage>& waiting, const QDBusMessage& message,
              void (PanelApplet::*answerOne)(const QDBusMessage&) const);

    QDBusConnection m_bus{QString()};
    StatusItemContent m_content;
    bool m_isVisible = true;
    PanelAppletClients m_clients;
    PanelAppletState m_state;
    std::vector<QDBusMessage> m_waiting;
    const StatusIconPainter* m_painter;
    std::optional<StatusItemIcon> m_shownIcon;
    PanelAppletIcon m_icon;
    std::vector<QDBusMessage> m_waitingForIcon;
    std::vector<StatusMenuEntry> m_menuEntries;
    std::unique_ptr<QMenu> m_menu;
    std::function<void(const ActivationEvent&)> m_activated;
    std::function<void(const QString&)> m_chosen;
};

class PanelAppletAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.ruvo.Panel1")
    Q_PROPERTY(QString Text READ text)
    Q_PROPERTY(QString ToolTip READ toolTip)
    Q_PROPERTY(QString TextColor READ textColor)
    Q_PROPERTY(uint Serial READ serial)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(QByteArray IconPng READ iconPng)
public:
    explicit PanelAppletAdaptor(PanelApplet* applet);

    QString text() const { return m_applet->state().text; }
    QString toolTip() const { return m_applet->state().toolTip; }
    QString textColor() const { return m_applet->state().textColor; }
    uint serial() const { return m_applet->state().serial; }
    QString iconName() const { return m_applet->icon().name; }
    QByteArray iconPng() const { return m_applet->icon().png; }

public Q_SLOTS:
    QString Content(const QDBusMessage& message, QString& toolTip, QString& textColor,
                    uint& serial);
    void WaitForChange(uint serial, const QDBusMessage& message);
    void Activate(int x, int y, const QDBusMessage& message);
    void ContextMenu(int x, int y, const QDBusMessage& message);
    QString Icon(const QDBusMessage& message, QByteArray& png, uint& serial);
    void WaitForIconChange(uint serial, const QDBusMessage& message);

Q_SIGNALS:
    void TextChanged(const QString& text, const QString& toolTip, const QString& textColor,
                     uint serial);
    void IconChanged(const QString& name, const QByteArray& png, uint serial);

private:
    PanelApplet* m_applet;
};

} // namespace ruvo::platform
