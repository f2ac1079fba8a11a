// SPDX-License-Identifier: GPL-3.0-or-later
// The program on the session bus under its application id, with the
// org.freedesktop.Application interface. Owning the name is the single-instance check: a
// second start finds it taken, asks the running instance to activate (the reopen path) and
// exits.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QObject>
#include <QVariantMap>
#include <functional>
#include <optional>

namespace ruvo::platform {

// Also the D-Bus context of every adaptor on its object: Qt hands an adaptor's call context
// to the adaptor's parent, so adaptors send their error replies through it.
class DBusApplication final : public QObject, public QDBusContext {
    Q_OBJECT
public:
    static const QString kServiceName;
    static const QString kObjectPath;

    explicit DBusApplication(QObject* parent = nullptr);

    // Takes the name on the session bus. False when another instance owns it (or there is no
    // session bus, in which case there is no way to find another instance: run anyway).
    bool registerInstance();

    // Asks the instance that owns the name to activate, or to open `uris`. False when none
    // answers.
    static bool activateRunningInstance(const QStringList& uris = {});
    // Asks the instance that owns the name to run a desktop action with a parameter; the
    // error text when none answers or the action failed.
    static std::optional<QString> activateRunningAction(const QString& action,
                                                        const QVariantList& parameter);

    // The outcome of a desktop action: none when it ran, else the D-Bus error name and text.
    struct ActionFailure {
        QString name;
        QString message;
    };

    std::function<void()> onActivate; // the running instance was started again
    // Files or links handed over to open (a file manager's "Open With", a browser's link).
    std::function<void(const QStringList& uris)> onOpen;
    // A desktop action ("toggle-window") chosen in the launcher or sent by another program,
    // with its parameter (empty for most).
    std::function<std::optional<ActionFailure>(const QString& action,
                                               const QVariantList& parameter)>
        onAction;
};

class DBusApplicationAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit DBusApplicationAdaptor(DBusApplication* application);

public Q_SLOTS:
    void Activate(const QVariantMap& platformData);
    // Hands the URIs to onOpen; without any, the same as Activate.
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& action, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    DBusApplication* m_application;
};

} // namespace ruvo::platform
