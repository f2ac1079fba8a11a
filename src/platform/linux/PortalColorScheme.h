// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's colour-scheme preference from the settings portal
// (org.freedesktop.appearance color-scheme: 1 prefers dark). Without a portal answer: KDE's
// colour file when there is one (watched for changes), else light.
#pragma once

#include "platform/ColorSchemePreference.h"

#include <QDBusVariant>
#include <QObject>

class QFileSystemWatcher;

namespace ruvo::platform {

class PortalColorScheme final : public QObject, public ColorSchemePreference {
    Q_OBJECT
public:
    explicit PortalColorScheme(QObject* parent = nullptr);
    bool prefersDark() const override { return m_prefersDark; }

private Q_SLOTS:
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void followKdeColours();
    void readKdeColours();
    void setPrefersDark(bool dark);

    bool m_prefersDark = false;
    QFileSystemWatcher* m_kdeColours = nullptr;
};

} // namespace ruvo::platform
