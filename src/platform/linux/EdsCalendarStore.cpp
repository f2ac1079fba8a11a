// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/EdsCalendarStore.h"

#include "kit/SystemTimeZones.h"
#include "platform/linux/EdsComponents.h"
#include "platform/linux/EdsGlib.h"
#include "platform/linux/EdsSources.h"
#include "platform/linux/VdirRecurrence.h"
#include "platform/linux/VdirRuleBudget.h"
#include "platform/linux/VdirWriter.h"

#include <QCoreApplication>
#include <QFile>

Q_LOGGING_CATEGORY(lcEds, "ruvo.platform.eds")

namespace ruvo::platform::eds {

namespace {

// Changes of one burst (a view's initial objects arrive in several messages) make one signal.
constexpr int kChangeDelayMs = 50;
// A registry lists few sources; a broken one could list thousands.
constexpr std::size_t kMaxCalendars = 200;
constexpr std::size_t kMaxImportItems = 10000;

using Token = std::shared_ptr<EdsCalendarStore*>;

void registryDone(GObject*, GAsyncResult* result, gpointer data) {
    std::unique_ptr<Token> token(static_cast<Token*>(data));
    GErrorHolder error;
    GObjectPtr<ESourceRegistry> registry(e_source_registry_new_finish(result, error.out()));
    EdsCalendarStore* owner = **token;
    if (!owner || error.isCancelled())
        return;
    if (!registry)
        owner->onRegistryFailed(error.message());
    else
        owner->onRegistry(registry.release());
}

void sourceAdded(ESourceRegistry*, ESource* source, gpointer self) {
    static_cast<EdsCalendarStore*>(self)->onSourceAdded(source);
}

void sourceRemoved(ESourceRegistry*, ESource* source, gpointer self) {
    static_cast<EdsCalendarStore*>(self)->onSourceRemoved(source);
}

void sourceChanged(ESourceRegistry*, ESource* source, gpointer self) {
    static_cast<EdsCalendarStore*>(self)->onSourceChanged(source);
}

const char* extensionOf(EntityType kind) {
    return kind == EntityType::event ? E_SOURCE_EXTENSION_CALENDAR : E_SOURCE_EXTENSION_TASK_LIST;
}

} // namespace

struct EdsCalendarStore::Handles {
    GObjectPtr<GCancellable> cancellable{g_cancellable_new()};
    GObjectPtr<ESourceRegistry> registry;
    Token self;
};

EdsCalendarStore::EdsCalendarStore(EdsStoreOptions options)
    : m_options(std::move(options)), m_g(std::make_unique<Handles>()) {
    m_g->self = std::make_shared<EdsCalendarStore*>(this);
    setTimeZone(m_options.timeZoneId);
    m_pendingChange.setSingleShot(true);
    m_pendingChange.setInterval(kChangeDelayMs);
    QObject::connect(&m_pendingChange, &QTimer::timeout, [this] { applyChanges(); });
}

EdsCalendarStore::~EdsCalendarStore() {
    *m_g->self = nullptr;
    g_cancellable_cancel(m_g->cancellable.get());
    m_calendars.clear();
    if (m_g->registry)
        g_signal_handlers_disconnect_by_data(m_g->registry.get(), this);
}

void EdsCalendarStore::start() {
    e_source_registry_new(m_g->cancellable.get(), registryDone, new Token(m_g->self));
}

void EdsCalendarStore::setTimeZone(const QString& zoneId) {
    m_zones.setCurrentZone(zoneId.isEmpty() ? kit::SystemTimeZones::currentZoneId() : zoneId);
}

QString EdsCalendarStore::zoneId() const {
    return m_zones.zoneId(m_zones.currentZone());
}

kit::Instant EdsCalendarStore::now() const {
    if (m_options.clock)
        return m_options.clock->now();
    return kit::instantFromMSecs(QDateTime::currentMSecsSinceEpoch());
}

bool EdsCalendarStore::isSettled() const {
    if (m_pendingChange.isActive())
        return false; // objects that arrived are not in the index yet
    return haveAllSourcesAnswered();
}

// The registry failed (there is nothing more to wait for), or it answered and so did every
// calendar it listed.
bool EdsCalendarStore::haveAllSourcesAnswered() const {
    if (m_hasFailed)
        return true;
    return m_isAvailable && std::all_of(m_calendars.begin(), m_calendars.end(),
                                        [](const auto& c) { return c->isSettled(); });
}

void EdsCalendarStore::onRegistryFailed(const QString& message) {
    qCInfo(lcEds, "No Evolution Data Server calendars: %s", qUtf8Printable(message));
    m_hasFailed = true;
    onCalendarChanged();
}

void EdsCalendarStore::onRegistry(void* registry) {
    m_g->registry.reset(E_SOURCE_REGISTRY(registry));
    m_isAvailable = true;
    ESourceRegistry* r = m_g->registry.get();
    g_signal_connect(r, "source-added", G_CALLBACK(sourceAdded), this);
    g_signal_connect(r, "source-enabled", G_CALLBACK(sourceAdded), this);
    g_signal_connect(r, "source-removed", G_CALLBACK(sourceRemoved), this);
    g_signal_connect(r, "source-disabled", G_CALLBACK(sourceRemoved), this);
    g_signal_connect(r, "source-changed", G_CALLBACK(sourceChanged), this);
    for (EntityType kind : {EntityType::event, EntityType::reminder}) {
        GList* sources = e_source_registry_list_enabled(r, extensionOf(kind));
        for (GList* l = sources; l; l = l->next)
            addSource(l->data, kind);
        g_list_free_full(sources, g_object_unref);
    }
    onCalendarChanged();
}

void EdsCalendarStore::addSource(void* source, EntityType kind) {
    Calendar calendar = calendarOfSource(m_g->registry.get(), source, kind);
    if (find(calendar.identifier))
        return;
    if (m_calendars.size() >= kMaxCalendars) {
        qCWarning(lcEds, "More than %zu calendars; “%s” is left out", kMaxCalendars,
                  qUtf8Printable(calendar.title));
        return;
    }
    m_calendars.push_back(std::make_unique<EdsCalendar>(
        source, std::move(calendar), userAddressesOfSource(m_g->registry.get(), source), m_zones,
        [this] { onCalendarChanged(); }));
    m_calendars.back()->connect();
}

void EdsCalendarStore::onSourceAdded(void* source) {
    if (!e_source_registry_check_enabled(m_g->registry.get(), E_SOURCE(source)))
        return;
    for (EntityType kind : {EntityType::event, EntityType::reminder})
        if (e_source_has_extension(E_SOURCE(source), extensionOf(kind)))
            addSource(source, kind);
}

void EdsCalendarStore::onSourceRemoved(void* source) {
    const QString uid = fromUtf8(e_source_get_uid(E_SOURCE(source)));
    std::erase_if(m_calendars, [&](const auto& c) { return c->calendar().identifier == uid; });
    applyChanges();
    emitStoreChanged();
}

void EdsCalendarStore::onSourceChanged(void* source) {
    EdsCalendar* c = find(fromUtf8(e_source_get_uid(E_SOURCE(source))));
    if (!c)
        return;
    Calendar changed = calendarOfSource(m_g->registry.get(), source, c->calendar().kind);
    if (changed == c->calendar())
        return;
    c->setCalendar(std::move(changed));
    emitStoreChanged();
}

// Changes are gathered for a moment, but the first time every source has answered (or the
// registry failed) is applied at once: a command is waiting for it before it prints.
void EdsCalendarStore::onCalendarChanged() {
    if (!m_wasSettled && haveAllSourcesAnswered())
        applyChanges();
    else
        m_pendingChange.start();
}

void EdsCalendarStore::applyChanges() {
    m_pendingChange.stop();
    bool hasChanges = false;
    for (const auto& c : m_calendars)
        hasChanges = c->takeChanges() || hasChanges;
    m_index.clear();
    for (std::size_t i = 0; i < m_calendars.size(); ++i)
        for (const auto& [uid, parsed] : m_calendars[i]->items())
            m_index.add(parsed, vdir::VdirIndex::CalendarIndex(i), m_zones);
    m_index.finish();
    if (hasChanges)
        emitStoreChanged();
    const bool isNowSettled = isSettled();
    if (isNowSettled && !m_wasSettled) {
        m_wasSettled = true;
        emitStoreChanged(); // calendars that connected without objects
        m_settled.emit();
    }
}

EdsCalendar* EdsCalendarStore::find(const QString& identifier) const {
    for (const auto& c : m_calendars)
        if (c->calendar().identifier == identifier)
            return c.get();
    return nullptr;
}

std::vector<Calendar> EdsCalendarStore::calendars(EntityType kind) const {
    std::vector<Calendar> result;
    for (const auto& c : m_calendars) {
        if (c->calendar().kind != kind || c->state() == EdsCalendar::State::connecting ||
            c->state() == EdsCalendar::State::failed)
            continue;
        result.push_back(c->calendar());
        result.back().isWritable = !c->isReadOnly();
    }
    return result;
}

std::optional<Calendar> EdsCalendarStore::calendarWithIdentifier(const QString& identifier) const {
    for (EntityType kind : {EntityType::event, EntityType::reminder})
        for (const Calendar& c : calendars(kind))
            if (c.identifier == identifier)
                return c;
    return std::nullopt;
}

EdsCalendar* EdsCalendarStore::firstWritable(EntityType kind, const QString& preferred) const {
    EdsCalendar* p = find(preferred);
    if (p && p->calendar().kind == kind && !p->isReadOnly())
        return p;
    for (const auto& c : m_calendars)
        if (c->calendar().kind == kind && !c->isReadOnly())
            return c.get();
    return nullptr;
}

std::optional<Calendar> EdsCalendarStore::defaultCalendarForNewEvents() const {
    QString preferred;
    if (m_g->registry) {
        GObjectPtr<ESource> source(e_source_registry_ref_default_calendar(m_g->registry.get()));
        preferred = source ? fromUtf8(e_source_get_uid(source.get())) : QString();
    }
    EdsCalendar* c = firstWritable(EntityType::event, preferred);
    if (!c)
        return std::nullopt;
    return calendarWithIdentifier(c->calendar().identifier);
}

std::vector<Event> EdsCalendarStore::events(const EventPredicate& predicate) const {
    std::vector<bool> allowed(m_calendars.size(), predicate.calendarIdentifiers.empty());
    for (const auto& id : predicate.calendarIdentifiers)
        for (std::size_t i = 0; i < m_calendars.size(); ++i)
            if (m_calendars[i]->calendar().identifier == id)
                allowed[i] = true;
    return m_index.events(predicate.range, allowed, m_zones);
}

std::optional<Event> EdsCalendarStore::eventWithIdentifier(const QString& identifier) const {
    const qsizetype slash = identifier.indexOf(QLatin1Char('/'));
    EdsCalendar* c = slash > 0 ? find(identifier.left(slash)) : nullptr;
    if (!c)
        return std::nullopt;
    auto item = c->items().find(identifier.mid(slash + 1));
    if (item == c->items().end())
        return std::nullopt;
    auto first = [this](const std::shared_ptr<EventData>& data, const vdir::EventTimes& t) {
        const kit::Instant start = kit::instantFromMSecs(m_zones.toUtc(t.zone, t.start) * 1000);
        return Event(data, start, start + kit::Seconds(t.duration), start);
    };
    for (const auto& s : item->second.series)
        return first(s.data, s.times);
    for (const auto& s : item->second.singles)
        if (!s.recurrenceId)
            return first(s.data, s.times);
    return std::nullopt;
}

std::vector<Reminder> EdsCalendarStore::incompleteReminders(const ReminderPredicate& p) const {
    std::vector<Reminder> result;
    const QString zone = zoneId();
    const vdir::SharedRuleTime sharedTime;
    for (const auto& c : m_calendars) {
        if (!p.calendarIdentifiers.empty() &&
            std::find(p.calendarIdentifiers.begin(), p.calendarIdentifiers.end(),
                      c->calendar().identifier) == p.calendarIdentifiers.end())
            continue;
        for (const auto& [uid, parsed] : c->items())
            for (std::size_t i = 0; i < parsed.reminders.size(); ++i) {
                const Reminder& r = parsed.reminders[i];
                if (r.isCompleted || !r.due)
                    continue;
                const auto next = vdir::nextDue(parsed, i, m_zones, now());
                const kit::Instant due = dueInstant(next.value_or(*r.due), zone);
                if ((!p.start || due >= *p.start) && due < p.end) {
                    result.push_back(r);
                    result.back().due = next.value_or(*r.due);
                }
            }
    }
    return result;
}

void EdsCalendarStore::refreshSourcesIfNecessary() {
    for (const auto& c : m_calendars)
        if (c->state() == EdsCalendar::State::failed)
            c->connect();
}

kit::Result<QString> EdsCalendarStore::saveEvent(const EventDraft& draft) {
    EdsCalendar* c = draft.calendarIdentifier.isEmpty() ? nullptr : find(draft.calendarIdentifier);
    if (draft.calendarIdentifier.isEmpty())
        if (auto d = defaultCalendarForNewEvents())
            c = find(d->identifier);
    if (!c)
        return kit::fail(QStringLiteral("No calendar %1.").arg(draft.calendarIdentifier));
    auto item = vdir::newEventText(draft, zoneId(), now());
    if (!item)
        return kit::fail(item.error());
    auto uid = c->create(item->text);
    if (!uid)
        return uid;
    applyChanges();
    return c->calendar().identifier + QLatin1Char('/') + *uid;
}

kit::Result<QString> EdsCalendarStore::saveReminder(const ReminderDraft& draft) {
    QString preferred = draft.calendarIdentifier;
    if (preferred.isEmpty() && m_g->registry) {
        GObjectPtr<ESource> source(e_source_registry_ref_default_task_list(m_g->registry.get()));
        preferred = source ? fromUtf8(e_source_get_uid(source.get())) : QString();
    }
    EdsCalendar* c = draft.calendarIdentifier.isEmpty()
                         ? firstWritable(EntityType::reminder, preferred)
                         : find(draft.calendarIdentifier);
    if (!c)
        return kit::fail(QStringLiteral("No reminder list %1.").arg(draft.calendarIdentifier));
    auto item = vdir::newReminderText(draft, now());
    if (!item)
        return kit::fail(item.error());
    auto uid = c->create(item->text);
    if (!uid)
        return uid;
    applyChanges();
    return c->calendar().identifier + QLatin1Char('/') + *uid;
}

std::optional<EdsCalendarStore::ReminderRef>
EdsCalendarStore::reminder(const QString& identifier) const {
    for (const auto& c : m_calendars)
        for (const auto& [uid, parsed] : c->items())
            for (const auto& r : parsed.reminders)
                if (r.identifier == identifier)
                    return ReminderRef{c.get(), r.uid};
    return std::nullopt;
}

kit::Result<void>
EdsCalendarStore::editReminder(const QString& identifier,
                               const std::function<QByteArray(const QByteArray&)>& change) {
    auto ref = reminder(identifier);
    const auto text = ref ? ref->calendar->masterText(ref->uid) : std::nullopt;
    if (!text)
        return kit::fail(QStringLiteral("No reminder found; it may have been removed meanwhile."));
    const QByteArray changed = change(*text);
    if (changed.isEmpty())
        return kit::fail(QStringLiteral("The reminder %1 cannot be read.").arg(identifier));
    auto done = ref->calendar->modify(changed);
    if (done)
        applyChanges();
    return done;
}

kit::Result<void> EdsCalendarStore::completeReminder(const QString& identifier) {
    return editReminder(identifier, [this](const QByteArray& t) {
        return completedTodo(t, now()).value_or(QByteArray());
    });
}

kit::Result<void> EdsCalendarStore::setReminderDue(const QString& identifier,
                                                   const std::optional<DueDate>& due) {
    return editReminder(identifier, [&](const QByteArray& t) {
        return todoDue(t, due, now()).value_or(QByteArray());
    });
}

kit::Result<void> EdsCalendarStore::setReminderPriority(const QString& identifier, int priority) {
    return editReminder(identifier, [&](const QByteArray& t) {
        return todoPriority(t, priority, now()).value_or(QByteArray());
    });
}

kit::Result<void> EdsCalendarStore::removeReminder(const QString& identifier) {
    auto ref = reminder(identifier);
    if (!ref)
        return kit::fail(QStringLiteral("No reminder found; it may have been removed meanwhile."));
    auto done = ref->calendar->remove(ref->uid, {}, true);
    if (done)
        applyChanges();
    return done;
}

kit::Result<void> EdsCalendarStore::removeEvent(const Event& occurrence, RemovalScope scope) {
    EdsCalendar* c = find(occurrence.calendarIdentifier());
    if (!c)
        return kit::fail(QStringLiteral("No event found; it may have been removed meanwhile."));
    const bool isWhole = scope == RemovalScope::wholeSeries || !occurrence.hasRecurrenceRules();
    auto done = c->remove(
        occurrence.calendarItemExternalIdentifier(),
        recurrenceIdValue(occurrence.occurrenceDate(), occurrence.isAllDay(), zoneId()), isWhole);
    if (done)
        applyChanges();
    return done;
}

kit::Result<void> EdsCalendarStore::reply(const QString& eventIdentifier,
                                          std::optional<kit::Instant> occurrence,
                                          ParticipantStatus status) {
    const auto event = eventWithIdentifier(eventIdentifier);
    EdsCalendar* c = event ? find(event->calendarIdentifier()) : nullptr;
    if (!c)
        return kit::fail(QCoreApplication::translate(
            "EdsCalendarStore", "No event found; it may have been removed meanwhile."));
    const QByteArray rid = occurrence && event->hasRecurrenceRules()
                               ? recurrenceIdValue(*occurrence, event->isAllDay(), zoneId())
                               : QByteArray();
    auto done = c->reply(event->calendarItemExternalIdentifier(), rid, status, now());
    if (done)
        applyChanges();
    return done;
}

kit::Result<ImportReport> EdsCalendarStore::importFile(const QString& path,
                                                       const QString& calendarIdentifier) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return kit::fail(QStringLiteral("Cannot read %1: %2").arg(path, f.errorString()));
    EdsCalendar* events = calendarIdentifier.isEmpty() ? firstWritable(EntityType::event, QString())
                                                       : find(calendarIdentifier);
    EdsCalendar* tasks = calendarIdentifier.isEmpty()
                             ? firstWritable(EntityType::reminder, QString())
                             : find(calendarIdentifier);
    ImportReport report;
    for (const FileItem& item : itemsOfFile(f.readAll(), kMaxImportItems)) {
        EdsCalendar* target = item.isTodo ? tasks : events;
        if (!target ||
            target->calendar().kind != (item.isTodo ? EntityType::reminder : EntityType::event)) {
            report.notes.push_back({item.uid, QStringLiteral("No calendar for this item."), true});
            continue;
        }
        const bool exists = target->items().contains(item.uid);
        kit::Result<void> done;
        if (exists || item.isOverride)
            done = target->modify(item.text);
        else if (auto created = target->create(item.text); !created)
            done = kit::fail(created.error());
        if (!done) {
            report.notes.push_back({item.uid, done.error(), true});
            continue;
        }
        (item.isTodo ? report.reminders : report.events) += 1;
        report.replaced += exists ? 1 : 0;
    }
    applyChanges();
    return report;
}

} // namespace ruvo::platform::eds
