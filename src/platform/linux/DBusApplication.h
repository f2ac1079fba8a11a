// SPDX-License-Identifier: GPL-3.0-or-later
// The program on the session bus under its application id, with the
// org.freedesktop.Application interface. Owning the name is the single-instance check: a
// second start finds it taken, asks the running instance to activate (the reopen path) and
// exits.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QObject>
#include <QVariantMap>
#include <functional>

namespace ruvo::platform {

class DBusApplication final : public QObject {
    Q_OBJECT
public:
    static const QString kServiceName;
    static const QString kObjectPath;

    explicit DBusApplication(QObject* parent = nullptr);

    // Takes the name on the session bus. False when another instance owns it (or there is no
    // session bus, in which case there is no way to find another instance: run anyway).
    bool registerInstance();

    // Asks the instance that owns the name to activate. False when none answers.
    static bool activateRunningInstance();

    std::function<void()> onActivate; // the running instance was started again
};

class DBusApplicationAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit DBusApplicationAdaptor(DBusApplication* application);

public Q_SLOTS:
    void Activate(const QVariantMap& platformData);

private:
    DBusApplication* m_application;
};

} // namespace ruvo::platform
