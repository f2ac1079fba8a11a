// SPDX-License-Identifier: GPL-3.0-or-later
// The object a panel talks to: org.kde.StatusNotifierItem with the Ayatana label, exported at
// /StatusNotifierItem. It holds what the panel reads and tells the owner about clicks.
#pragma once

#include "platform/linux/SniTypes.h"

#include <QDBusObjectPath>
#include <QObject>

namespace ruvo::platform {

class StatusNotifierItemObject : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(ruvo::platform::SniPixmapList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyName)
    Q_PROPERTY(ruvo::platform::SniPixmapList OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ emptyName)
    Q_PROPERTY(ruvo::platform::SniPixmapList AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ emptyName)
    Q_PROPERTY(ruvo::platform::SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString IconThemePath READ emptyName)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)
    Q_PROPERTY(uint XAyatanaOrderingIndex READ orderingIndex)
public:
    StatusNotifierItemObject(QString id, QString title, QObject* parent = nullptr);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return m_id; }
    QString title() const { return m_title; }
    QString status() const {
        return m_isVisible && !m_isPassive ? QStringLiteral("Active") : QStringLiteral("Passive");
    }
    int windowId() const { return 0; }
    QString iconName() const { return {}; }
    SniPixmapList iconPixmap() const { return m_pixmaps; }
    SniPixmapList noPixmaps() const { return {}; }
    QString emptyName() const { return {}; }
    SniToolTip toolTip() const { return m_toolTip; }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(QStringLiteral("/MenuBar")); }
    QString label() const { return m_label; }
    QString labelGuide() const { return m_labelGuide; }
    uint orderingIndex() const { return 0; }

    // Each setter sends the item's change signals when the value changed.
    void setLabel(const QString& label, const QString& guide);
    void setPixmaps(const SniPixmapList& pixmaps);
    void setToolTip(const QString& title, const QString& description);
    void setVisible(bool visible);
    void setPassive(bool isPassive);

public Q_SLOTS:
    Q_SCRIPTABLE void Activate(int x, int y);
    Q_SCRIPTABLE void SecondaryActivate(int x, int y);
    Q_SCRIPTABLE void ContextMenu(int x, int y);
    Q_SCRIPTABLE void Scroll(int delta, const QString& orientation);

Q_SIGNALS:
    Q_SCRIPTABLE void NewTitle();
    Q_SCRIPTABLE void NewIcon();
    Q_SCRIPTABLE void NewAttentionIcon();
    Q_SCRIPTABLE void NewOverlayIcon();
    Q_SCRIPTABLE void NewToolTip();
    Q_SCRIPTABLE void NewStatus(const QString& status);
    Q_SCRIPTABLE void XAyatanaNewLabel(const QString& label, const QString& guide);

    // Not exported: for the owner.
    void activated(int x, int y);
    void secondaryActivated(int x, int y);
    void propertiesChanged(const QVariantMap& changed);

private:
    QString m_id;
    QString m_title;
    QString m_label;
    QString m_labelGuide;
    SniPixmapList m_pixmaps;
    SniToolTip m_toolTip;
    void setStatusParts(bool visible, bool isPassive);

    bool m_isVisible = true;
    bool m_isPassive = false;
};

} // namespace ruvo::platform
