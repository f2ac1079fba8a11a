// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/EdsCalendar.h"

#include "platform/linux/EdsGlib.h"
#include "platform/linux/EdsReply.h"
#include "platform/linux/VdirParser.h"

#include <QCoreApplication>

namespace ruvo::platform::eds {

namespace {

// How long the client lets a source's back end come online before it answers anyway.
constexpr guint32 kConnectSeconds = 30;

// The calendar an asynchronous call was made for, or null once that calendar is gone: GLib may
// finish a call after its owner cancelled it.
using Token = std::shared_ptr<EdsCalendar*>;

EdsCalendar* ownerOf(gpointer data) {
    std::unique_ptr<Token> token(static_cast<Token*>(data));
    return **token;
}

void connectDone(GObject*, GAsyncResult* result, gpointer data) {
    GErrorHolder error;
    GObjectPtr<EClient> client(e_cal_client_connect_finish(result, error.out()));
    EdsCalendar* owner = ownerOf(data);
    if (!owner || error.isCancelled())
        return;
    if (!client)
        owner->onFailed(QStringLiteral("connect"), error.message());
    else
        owner->onConnected(client.release());
}

void viewDone(GObject* client, GAsyncResult* result, gpointer data) {
    GErrorHolder error;
    ECalClientView* view = nullptr;
    const bool isOk =
        e_cal_client_get_view_finish(E_CAL_CLIENT(client), result, &view, error.out());
    GObjectPtr<ECalClientView> owned(view);
    EdsCalendar* owner = ownerOf(data);
    if (!owner || error.isCancelled())
        return;
    if (!isOk || !view)
        owner->onFailed(QStringLiteral("view"), error.message());
    else
        owner->onViewReady(owned.release());
}

void objectsChanged(ECalClientView*, const GSList* objects, gpointer self) {
    static_cast<EdsCalendar*>(self)->onObjects(objects);
}

void objectsRemoved(ECalClientView*, const GSList* ids, gpointer self) {
    static_cast<EdsCalendar*>(self)->onRemoved(ids);
}

void viewComplete(ECalClientView*, const GError* error, gpointer self) {
    static_cast<EdsCalendar*>(self)->onComplete(error ? fromUtf8(error->message) : QString());
}

QStringList lowerCase(QStringList addresses) {
    for (QString& a : addresses)
        a = a.toLower();
    return addresses;
}

// The TZID parameter values in iCalendar text.
std::set<QByteArray> tzidsIn(const QByteArray& text) {
    std::set<QByteArray> ids;
    for (qsizetype at = text.indexOf(";TZID="); at >= 0 && ids.size() < 64;
         at = text.indexOf(";TZID=", at + 1)) {
        qsizetype begin = at + 6;
        qsizetype end = -1;
        if (begin < text.size() && text[begin] == '"') {
            ++begin;
            end = text.indexOf('"', begin);
        } else {
            for (qsizetype i = begin; i < text.size() && end < 0; ++i)
                if (text[i] == ':' || text[i] == ';' || text[i] == '\r' || text[i] == '\n')
                    end = i;
        }
        if (end > begin)
            ids.insert(text.mid(begin, end - begin));
    }
    return ids;
}

} // namespace

struct EdsCalendar::Handles {
    GObjectPtr<ESource> source;
    GObjectPtr<GCancellable> cancellable{g_cancellable_new()};
    GObjectPtr<ECalClient> client;
    GObjectPtr<ECalClientView> view;
    Token self;
};

EdsCalendar::EdsCalendar(void* source, Calendar calendar, QStringList userAddresses,
                         vdir::ZoneTable& zones, std::function<void()> changed)
    : m_g(std::make_unique<Handles>()), m_calendar(std::move(calendar)),
      m_userAddresses(lowerCase(std::move(userAddresses))), m_zones(zones),
      m_changed(std::move(changed)) {
    m_g->source.reset(E_SOURCE(g_object_ref(source)));
    m_g->self = std::make_shared<EdsCalendar*>(this);
}

EdsCalendar::~EdsCalendar() {
    *m_g->self = nullptr;
    g_cancellable_cancel(m_g->cancellable.get());
    if (m_g->view) {
        g_signal_handlers_disconnect_by_data(m_g->view.get(), this);
        e_cal_client_view_stop(m_g->view.get(), nullptr);
    }
}

void EdsCalendar::connect() {
    const auto type = m_calendar.kind == EntityType::event ? E_CAL_CLIENT_SOURCE_TYPE_EVENTS
                                                           : E_CAL_CLIENT_SOURCE_TYPE_TASKS;
    e_cal_client_connect(m_g->source.get(), type, kConnectSeconds, m_g->cancellable.get(),
                         connectDone, new Token(m_g->self));
}

bool EdsCalendar::isReadOnly() const {
    return !m_g->client || e_client_is_readonly(E_CLIENT(m_g->client.get()));
}

void EdsCalendar::onConnected(void* client) {
    m_g->client.reset(E_CAL_CLIENT(client));
    m_state = State::loading;
    e_cal_client_get_view(m_g->client.get(), "#t", m_g->cancellable.get(), viewDone,
                          new Token(m_g->self));
}

void EdsCalendar::onViewReady(void* view) {
    m_g->view.reset(E_CAL_CLIENT_VIEW(view));
    ECalClientView* v = m_g->view.get();
    g_signal_connect(v, "objects-added", G_CALLBACK(objectsChanged), this);
    g_signal_connect(v, "objects-modified", G_CALLBACK(objectsChanged), this);
    g_signal_connect(v, "objects-removed", G_CALLBACK(objectsRemoved), this);
    g_signal_connect(v, "complete", G_CALLBACK(viewComplete), this);
    GErrorHolder error;
    e_cal_client_view_start(v, error.out());
    if (error)
        onFailed(QStringLiteral("start view"), error.message());
}

void EdsCalendar::onFailed(const QString& step, const QString& message) {
    qCWarning(lcEds, "Calendar “%s” (%s): %s failed: %s", qUtf8Printable(m_calendar.title),
              qUtf8Printable(m_calendar.identifier), qUtf8Printable(step), qUtf8Printable(message));
    m_state = State::failed;
    m_changed();
}

void EdsCalendar::onComplete(const QString& error) {
    if (!error.isEmpty())
        qCWarning(lcEds, "Calendar “%s” did not load fully: %s", qUtf8Printable(m_calendar.title),
                  qUtf8Printable(error));
    m_state = State::ready;
    m_changed();
}

void EdsCalendar::onObjects(const void* components) {
    for (auto* l = static_cast<const GSList*>(components); l; l = l->next) {
        auto* component = static_cast<ICalComponent*>(l->data);
        const QString uid = fromUtf8(i_cal_component_get_uid(component));
        if (uid.isEmpty())
            continue;
        gchar* rid = e_cal_util_component_get_recurid_as_string(component);
        const QString recurrenceId = fromUtf8(rid);
        g_free(rid);
        store(uid, recurrenceId, takeBytes(i_cal_component_as_ical_string(component)));
    }
    m_changed();
}

void EdsCalendar::onRemoved(const void* ids) {
    for (auto* l = static_cast<const GSList*>(ids); l; l = l->next) {
        auto* id = static_cast<ECalComponentId*>(l->data);
        const QString uid = fromUtf8(e_cal_component_id_get_uid(id));
        const QString rid = fromUtf8(e_cal_component_id_get_rid(id));
        auto it = m_objects.find(uid);
        if (it == m_objects.end())
            continue;
        if (rid.isEmpty())
            m_objects.erase(it);
        else
            it->second.erase(rid);
        m_dirty.insert(uid);
    }
    m_changed();
}

void EdsCalendar::store(const QString& uid, const QString& rid, QByteArray text) {
    auto it = m_objects.find(uid);
    const bool isFull = it == m_objects.end() ? m_objects.size() >= kMaxObjectsPerCalendar
                                              : it->second.size() >= kMaxComponentsPerUid &&
                                                    !it->second.contains(rid);
    if (isFull || text.size() > kMaxObjectBytes) {
        if (!m_hasWarnedFull)
            qCWarning(lcEds, "Calendar “%s”: objects beyond the limits skipped (first: %s)",
                      qUtf8Printable(m_calendar.title), qUtf8Printable(uid));
        m_hasWarnedFull = true;
        return;
    }
    m_objects[uid][rid] = std::move(text);
    m_dirty.insert(uid);
}

bool EdsCalendar::takeChanges() {
    if (m_dirty.empty())
        return false;
    for (const QString& uid : m_dirty) {
        if (!m_objects.contains(uid)) {
            m_parsed.erase(uid);
            continue;
        }
        vdir::ParseContext context{m_calendar.identifier, m_userAddresses, uid, &m_zones};
        auto parsed = vdir::parseCalendarFile(calendarText(uid), context);
        if (parsed) {
            m_parsed[uid] = std::move(parsed).value();
            continue;
        }
        qCWarning(lcEds, "Calendar “%s”: item %s skipped: %s", qUtf8Printable(m_calendar.title),
                  qUtf8Printable(uid), qUtf8Printable(parsed.error()));
        m_parsed.erase(uid);
    }
    m_dirty.clear();
    return true;
}

QByteArray EdsCalendar::calendarText(const QString& uid) const {
    QByteArray components;
    for (const auto& [rid, text] : m_objects.at(uid))
        components += text;
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Ruvo//EDS//EN\r\n" + zonesFor(components) +
           components + "END:VCALENDAR\r\n";
}

// The VTIMEZONEs the source keeps for zones the system does not know by their TZID.
QByteArray EdsCalendar::zonesFor(const QByteArray& components) const {
    QByteArray zones;
    if (!m_g->client)
        return zones;
    for (const QByteArray& tzid : tzidsIn(components)) {
        if (m_zones.zone(QString::fromUtf8(tzid)))
            continue;
        ICalTimezone* zone =
            e_timezone_cache_get_timezone(E_TIMEZONE_CACHE(m_g->client.get()), tzid.constData());
        if (!zone)
            continue;
        GObjectPtr<ICalComponent> component(i_cal_timezone_get_component(zone));
        if (component)
            zones += takeBytes(i_cal_component_as_ical_string(component.get()));
    }
    return zones;
}

std::optional<QByteArray> EdsCalendar::masterText(const QString& uid) const {
    auto it = m_objects.find(uid);
    if (it == m_objects.end())
        return std::nullopt;
    auto master = it->second.find(QString());
    if (master == it->second.end())
        return std::nullopt;
    return master->second;
}

void EdsCalendar::reloadUid(const QString& uid) {
    GSList* components = nullptr;
    GErrorHolder error;
    m_objects.erase(uid);
    if (e_cal_client_get_objects_for_uid_sync(m_g->client.get(), uid.toUtf8().constData(),
                                              &components, nullptr, error.out())) {
        for (GSList* l = components; l; l = l->next) {
            ICalComponent* c = e_cal_component_get_icalcomponent(E_CAL_COMPONENT(l->data));
            gchar* rid = e_cal_util_component_get_recurid_as_string(c);
            store(uid, fromUtf8(rid), takeBytes(i_cal_component_as_ical_string(c)));
            g_free(rid);
        }
        g_slist_free_full(components, g_object_unref);
    }
    m_dirty.insert(uid);
    m_changed();
}

namespace {

kit::Result<void> refusal(const Calendar& calendar, bool isConnected) {
    if (!isConnected)
        return kit::fail(
            QCoreApplication::translate("EdsCalendarStore",
                                        "The calendar “%1” is not connected yet; try again later.")
                .arg(calendar.title));
    return kit::fail(
        QCoreApplication::translate("EdsCalendarStore", "The calendar “%1” is read-only.")
            .arg(calendar.title));
}

// The event or task of a calendar's text, its zones handed to the source first (they name zones
// the item's times use).
GObjectPtr<ICalComponent> itemOf(ECalClient* client, const QString& title, const QByteArray& text) {
    GObjectPtr<ICalComponent> parsed(i_cal_component_new_from_string(text.constData()));
    if (!parsed || i_cal_component_isa(parsed.get()) != I_CAL_VCALENDAR_COMPONENT)
        return parsed;
    for (GObjectPtr<ICalComponent> z(
             i_cal_component_get_first_component(parsed.get(), I_CAL_VTIMEZONE_COMPONENT));
         z; z.reset(i_cal_component_get_next_component(parsed.get(), I_CAL_VTIMEZONE_COMPONENT))) {
        GObjectPtr<ICalTimezone> zone(i_cal_timezone_new());
        GObjectPtr<ICalComponent> copy(i_cal_component_clone(z.get()));
        GErrorHolder error;
        if (i_cal_timezone_set_component(zone.get(), copy.get()))
            e_cal_client_add_timezone_sync(client, zone.get(), nullptr, error.out());
        if (error)
            qCWarning(lcEds, "Calendar “%s”: zone not added: %s", qUtf8Printable(title),
                      qUtf8Printable(error.message()));
    }
    for (auto kind : {I_CAL_VEVENT_COMPONENT, I_CAL_VTODO_COMPONENT}) {
        GObjectPtr<ICalComponent> item(i_cal_component_get_first_component(parsed.get(), kind));
        if (item)
            return GObjectPtr<ICalComponent>(i_cal_component_clone(item.get()));
    }
    return nullptr;
}

} // namespace

kit::Result<QString> EdsCalendar::create(const QByteArray& componentText) {
    if (isReadOnly())
        return kit::fail(refusal(m_calendar, m_g->client != nullptr).error());
    GObjectPtr<ICalComponent> component =
        itemOf(m_g->client.get(), m_calendar.title, componentText);
    if (!component)
        return kit::fail(QStringLiteral("The new item is not valid iCalendar text."));
    gchar* newUid = nullptr;
    GErrorHolder error;
    if (!e_cal_client_create_object_sync(m_g->client.get(), component.get(),
                                         E_CAL_OPERATION_FLAG_NONE, &newUid, nullptr, error.out()))
        return kit::fail(error.message());
    const QString uid = QString::fromUtf8(takeBytes(newUid));
    reloadUid(uid);
    return uid;
}

kit::Result<void> EdsCalendar::modify(const QByteArray& componentText) {
    if (isReadOnly())
        return refusal(m_calendar, m_g->client != nullptr);
    GObjectPtr<ICalComponent> component =
        itemOf(m_g->client.get(), m_calendar.title, componentText);
    if (!component)
        return kit::fail(QStringLiteral("The changed item is not valid iCalendar text."));
    GErrorHolder error;
    if (!e_cal_client_modify_object_sync(m_g->client.get(), component.get(), E_CAL_OBJ_MOD_ALL,
                                         E_CAL_OPERATION_FLAG_NONE, nullptr, error.out()))
        return kit::fail(error.message());
    reloadUid(fromUtf8(i_cal_component_get_uid(component.get())));
    return {};
}

kit::Result<void> EdsCalendar::remove(const QString& uid, const QByteArray& recurrenceId,
                                      bool wholeSeries) {
    if (isReadOnly())
        return refusal(m_calendar, m_g->client != nullptr);
    GErrorHolder error;
    if (!e_cal_client_remove_object_sync(m_g->client.get(), uid.toUtf8().constData(),
                                         wholeSeries ? nullptr : recurrenceId.constData(),
                                         wholeSeries ? E_CAL_OBJ_MOD_ALL : E_CAL_OBJ_MOD_THIS,
                                         E_CAL_OPERATION_FLAG_NONE, nullptr, error.out()))
        return kit::fail(error.message());
    reloadUid(uid);
    return {};
}

namespace {

bool hasProperty(ICalComponent* c, ICalPropertyKind kind) {
    return GObjectPtr<ICalProperty>(i_cal_component_get_first_property(c, kind)) != nullptr;
}

constexpr int kMaxRuleProperties = 1000;

// The occurrence at `recurrenceId` of `series` as an override: the series without its rules,
// starting then and lasting as long.
GObjectPtr<ICalComponent> occurrenceOf(ICalComponent* series, const QByteArray& recurrenceId) {
    GObjectPtr<ICalComponent> c(i_cal_component_clone(series));
    GObjectPtr<ICalDuration> duration(i_cal_component_get_duration(c.get()));
    GObjectPtr<ICalTime> start(i_cal_component_get_dtstart(c.get()));
    for (auto kind :
         {I_CAL_RRULE_PROPERTY, I_CAL_RDATE_PROPERTY, I_CAL_EXRULE_PROPERTY, I_CAL_EXDATE_PROPERTY,
          I_CAL_RECURRENCEID_PROPERTY, I_CAL_DTEND_PROPERTY, I_CAL_DURATION_PROPERTY}) {
        for (int i = 0; i < kMaxRuleProperties; ++i) {
            GObjectPtr<ICalProperty> p(i_cal_component_get_first_property(c.get(), kind));
            if (!p)
                break;
            i_cal_component_remove_property(c.get(), p.get());
        }
    }
    GObjectPtr<ICalTime> rid(i_cal_time_new_from_string(recurrenceId.constData()));
    GObjectPtr<ICalTime> at(i_cal_time_clone(rid.get()));
    ICalTimezone* zone = start ? i_cal_time_get_timezone(start.get()) : nullptr;
    if (zone && !i_cal_time_is_date(at.get()))
        i_cal_time_convert_to_zone_inplace(at.get(), zone);
    i_cal_component_set_dtstart(c.get(), at.get());
    if (duration)
        i_cal_component_set_duration(c.get(), duration.get());
    i_cal_component_set_recurrenceid(c.get(), rid.get());
    return c;
}

// The component an answer changes: the event, or its occurrence at `recurrenceId` (its override
// when it has one, else the occurrence made from the series). Sources differ in what they hand
// out for an occurrence without an override (the file back end gives the series with a
// RECURRENCE-ID and the series' start, and so does e_cal_util_construct_instance), so that
// occurrence is made here.
GObjectPtr<ICalComponent> answerable(ECalClient* client, const QByteArray& uid,
                                     const QByteArray& recurrenceId, GErrorHolder& error) {
    ICalComponent* found = nullptr;
    if (!recurrenceId.isEmpty() &&
        e_cal_client_get_object_sync(client, uid.constData(), recurrenceId.constData(), &found,
                                     nullptr, nullptr)) {
        GObjectPtr<ICalComponent> instance(found);
        if (hasProperty(found, I_CAL_RECURRENCEID_PROPERTY) &&
            !hasProperty(found, I_CAL_RRULE_PROPERTY) && !hasProperty(found, I_CAL_RDATE_PROPERTY))
            return instance;
    }
    found = nullptr;
    if (!e_cal_client_get_object_sync(client, uid.constData(), nullptr, &found, nullptr,
                                      error.out()))
        return nullptr;
    GObjectPtr<ICalComponent> master(found);
    if (recurrenceId.isEmpty())
        return master;
    return occurrenceOf(master.get(), recurrenceId);
}

} // namespace

kit::Result<void> EdsCalendar::reply(const QString& uid, const QByteArray& recurrenceId,
                                     ParticipantStatus status, kit::Instant now) {
    if (isReadOnly())
        return refusal(m_calendar, m_g->client != nullptr);
    if (m_userAddresses.isEmpty())
        return kit::fail(QCoreApplication::translate("EdsCalendarStore",
                                                     "The calendar “%1” knows no address of yours.")
                             .arg(m_calendar.title));
    GErrorHolder error;
    auto component = answerable(m_g->client.get(), uid.toUtf8(), recurrenceId, error);
    if (!component)
        return kit::fail(
            error ? error.message()
                  : QCoreApplication::translate("EdsCalendarStore",
                                                "The event %1 has no occurrence at that time.")
                        .arg(uid));
    if (!answerInvitation(component.get(), m_userAddresses, status, now))
        return kit::fail(QCoreApplication::translate(
                             "EdsCalendarStore",
                             "You are not among the attendees of %1: none of them has an "
                             "address of this calendar.")
                             .arg(uid));
    const auto mod = recurrenceId.isEmpty() ? E_CAL_OBJ_MOD_ALL : E_CAL_OBJ_MOD_THIS;
    if (!e_cal_client_modify_object_sync(m_g->client.get(), component.get(), mod,
                                         E_CAL_OPERATION_FLAG_NONE, nullptr, error.out()))
        return kit::fail(error.message());
    sendReply(m_g->client.get(), component.get(), m_calendar.title);
    reloadUid(uid);
    return {};
}

} // namespace ruvo::platform::eds
