// SPDX-License-Identifier: GPL-3.0-or-later
// The wire types of org.kde.StatusNotifierItem: pixmaps (iiay, ARGB32 in network byte order)
// and the tool tip (sa(iiay)ss).
#pragma once

#include <QDBusArgument>
#include <QImage>
#include <QList>

namespace ruvo::platform {

struct SniPixmap {
    int width = 0;
    int height = 0;
    QByteArray data;

    static SniPixmap fromImage(const QImage& image);
};
using SniPixmapList = QList<SniPixmap>;

struct SniToolTip {
    QString iconName;
    SniPixmapList pixmaps;
    QString title;
    QString description;
};

void registerSniTypes();

QDBusArgument& operator<<(QDBusArgument& argument, const SniPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, SniPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const SniToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, SniToolTip& toolTip);

} // namespace ruvo::platform

Q_DECLARE_METATYPE(ruvo::platform::SniPixmap)
Q_DECLARE_METATYPE(ruvo::platform::SniToolTip)
