// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Suite.h"

#include "settings/SettingsLog.h"

#include <QSet>

namespace ruvo::settings {

namespace {
thread_local bool t_propagationSuppressed = false;

} // namespace

bool Suite::isPropagationSuppressed() {
    return t_propagationSuppressed;
}
void Suite::setPropagationSuppressed(bool suppressed) {
    t_propagationSuppressed = suppressed;
}

Suite::Suite(QString name, std::unique_ptr<SuiteStorage> storage)
    : m_name(std::move(name)), m_storage(std::move(storage)) {
    if (m_storage) {
        m_stored = m_storage->load();
        m_storage->watch([this] { reload(); });
    }
}

Suite::~Suite() = default;

QVariant Suite::effective(const QVariantMap& stored, const QString& key) const {
    const auto it = stored.constFind(key);
    return it != stored.constEnd() ? *it : m_defaults.value(key);
}

QVariant Suite::object(const QString& key) const {
    QMutexLocker lock(&m_mutex);
    return effective(m_stored, key);
}

QVariant Suite::storedObject(const QString& key) const {
    QMutexLocker lock(&m_mutex);
    return m_stored.value(key);
}

QVariantMap Suite::storedObjects() const {
    QMutexLocker lock(&m_mutex);
    return m_stored;
}

QVariant Suite::registeredDefault(const QString& key) const {
    QMutexLocker lock(&m_mutex);
    return m_defaults.value(key);
}

void Suite::registerDefault(const QString& key, const QVariant& value) {
    QMutexLocker lock(&m_mutex);
    if (value.isValid())
        m_defaults.insert(key, value);
    else
        m_defaults.remove(key);
}

void Suite::setObject(const QString& key, const QVariant& value) {
    apply({{key, value}});
}

void Suite::setObjects(const QVariantMap& changes) {
    apply(changes);
}

void Suite::apply(const QVariantMap& changes) {
    std::vector<SuiteChange> prior;
    {
        QMutexLocker lock(&m_mutex);
        prior = diff(m_stored, applyChanges(m_stored, changes));
    }
    if (prior.empty())
        return; // writing what is already stored changes nothing: no file write, no report
    for (SuiteChange& change : prior)
        change.isPrior = true;
    notify(prior);

    QVariantMap stored;
    if (m_storage) {
        auto written = m_storage->update(changes, storedObjects());
        if (!written) {
            qCWarning(lcSettings).noquote()
                << "Could not save the settings of" << m_name << ":" << written.error();
            QMutexLocker lock(&m_mutex);
            stored = applyChanges(m_stored, changes); // keep the value for this run at least
        } else {
            stored = std::move(written).value();
        }
    } else {
        QMutexLocker lock(&m_mutex);
        stored = applyChanges(m_stored, changes);
    }
    adoptStored(std::move(stored));
}

void Suite::reload() {
    if (m_storage)
        adoptStored(m_storage->load());
}

void Suite::adoptStored(QVariantMap stored) {
    std::vector<SuiteChange> changes;
    {
        QMutexLocker lock(&m_mutex);
        changes = diff(m_stored, stored);
        m_stored = std::move(stored);
    }
    notify(changes);
}

std::vector<SuiteChange> Suite::diff(const QVariantMap& before, const QVariantMap& after) const {
    QSet<QString> keys;
    for (auto it = before.begin(); it != before.end(); ++it)
        keys.insert(it.key());
    for (auto it = after.begin(); it != after.end(); ++it)
        keys.insert(it.key());
    QStringList sorted(keys.begin(), keys.end());
    sorted.sort();
    std::vector<SuiteChange> changes;
    for (const QString& key : sorted) {
        const QVariant oldStored = before.value(key);
        const QVariant newStored = after.value(key);
        if (oldStored.isValid() == newStored.isValid() && oldStored == newStored)
            continue;
        changes.push_back({key, effective(before, key), effective(after, key), false});
    }
    return changes;
}

void Suite::notify(const std::vector<SuiteChange>& changes) const {
    if (changes.empty() || t_propagationSuppressed)
        return;
    std::vector<Observer> observers;
    {
        QMutexLocker lock(&m_mutex);
        for (const auto& [id, observer] : m_observers)
            observers.push_back(observer);
    }
    for (const SuiteChange& change : changes) {
        for (const Observer& observer : observers) {
            if (observer.key == change.key && (!change.isPrior || observer.wantsPrior))
                (*observer.handler)(change);
        }
    }
}

kit::Subscription Suite::observe(const QString& key, Handler handler, bool wantsPrior) {
    QMutexLocker lock(&m_mutex);
    const quint64 id = m_nextObserverId++;
    m_observers.emplace(id,
                        Observer{key, wantsPrior, std::make_shared<Handler>(std::move(handler))});
    return kit::Subscription([this, id, alive = std::weak_ptr<int>(m_alive)] {
        if (!alive.lock())
            return;
        QMutexLocker lock(&m_mutex);
        m_observers.erase(id);
    });
}

} // namespace ruvo::settings
