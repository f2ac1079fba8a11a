// SPDX-License-Identifier: GPL-3.0-or-later
// One settings domain: a map from key names to property-list objects (bool, qlonglong,
// double, QString, QByteArray, QDateTime, QVariantList, QVariantMap), with a registration
// domain of defaults behind it and per-key change notification.
//
// Without storage the suite lives in memory (tests). With a SuiteStorage every write is
// persisted before it is reported, and reload() takes in what other processes wrote,
// reporting each key whose value changed.
//
// Thread-safe. Handlers run on the thread that made the change, after the suite's lock is
// released; changes made while that thread's propagation flag is set are not reported.
#pragma once

#include "kit/Signal.h"
#include "settings/SuiteStorage.h"

#include <QMutex>
#include <QVariant>
#include <memory>

namespace ruvo::settings {

struct SuiteChange {
    QString key;
    QVariant oldValue; // the effective objects: stored, else registered default, else invalid
    QVariant newValue;
    bool isPrior = false; // delivered just before the change is made
};

class Suite {
public:
    explicit Suite(QString name, std::unique_ptr<SuiteStorage> storage = nullptr);
    ~Suite();

    const QString& name() const { return m_name; }

    // The stored object, else the registered default, else an invalid QVariant.
    QVariant object(const QString& key) const;
    // Only what is stored (invalid when nothing is).
    QVariant storedObject(const QString& key) const;
    QVariantMap storedObjects() const;
    QVariant registeredDefault(const QString& key) const;

    void registerDefault(const QString& key, const QVariant& value);
    // An invalid value removes the key.
    void setObject(const QString& key, const QVariant& value);
    void removeObject(const QString& key) { setObject(key, QVariant{}); }
    // Several changes in one write (one file write, one lock).
    void setObjects(const QVariantMap& changes);

    // Takes in the storage's current content (another process wrote it).
    void reload();

    using Handler = std::function<void(const SuiteChange&)>;
    [[nodiscard]] kit::Subscription observe(const QString& key, Handler handler, bool wantsPrior);

    // The per-thread flag: while set, this thread's writes are not reported to observers.
    static bool isPropagationSuppressed();
    static void setPropagationSuppressed(bool suppressed);

private:
    struct Observer {
        QString key;
        bool wantsPrior;
        std::shared_ptr<Handler> handler;
    };

    void apply(const QVariantMap& changes);
    void adoptStored(QVariantMap stored);
    std::vector<SuiteChange> diff(const QVariantMap& before, const QVariantMap& after) const;
    void notify(const std::vector<SuiteChange>& changes) const;
    QVariant effective(const QVariantMap& stored, const QString& key) const;

    QString m_name;
    std::unique_ptr<SuiteStorage> m_storage;
    mutable QMutex m_mutex;
    QVariantMap m_stored;
    QVariantMap m_defaults;
    std::map<quint64, Observer> m_observers;
    quint64 m_nextObserverId = 0;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace ruvo::settings
