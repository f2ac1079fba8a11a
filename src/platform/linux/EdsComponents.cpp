// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/EdsComponents.h"

#include "kit/LocalTime.h"
#include "platform/linux/VdirIcal.h"

#include <functional>

namespace ruvo::platform::eds {

namespace {

using vdir::ComponentPtr;

ComponentPtr parseTodo(const QByteArray& text) {
    ComponentPtr c(icalparser_parse_string(text.constData()));
    if (!c)
        return nullptr;
    if (icalcomponent_isa(c.get()) == ICAL_VTODO_COMPONENT)
        return c;
    icalcomponent* todo = icalcomponent_get_first_component(c.get(), ICAL_VTODO_COMPONENT);
    if (!todo)
        return nullptr;
    icalcomponent_remove_component(c.get(), todo);
    return ComponentPtr(todo);
}

void removeAll(icalcomponent* c, icalproperty_kind kind) {
    while (icalproperty* p = icalcomponent_get_first_property(c, kind)) {
        icalcomponent_remove_property(c, p);
        icalproperty_free(p);
    }
}

void replace(icalcomponent* c, icalproperty_kind kind, icalproperty* value) {
    removeAll(c, kind);
    if (value)
        icalcomponent_add_property(c, value);
}

std::optional<QByteArray> edited(const QByteArray& text, kit::Instant now,
                                 const std::function<void(icalcomponent*)>& change) {
    ComponentPtr todo = parseTodo(text);
    if (!todo)
        return std::nullopt;
    change(todo.get());
    replace(todo.get(), ICAL_DTSTAMP_PROPERTY, icalproperty_new_dtstamp(vdir::utcTime(now)));
    replace(todo.get(), ICAL_LASTMODIFIED_PROPERTY,
            icalproperty_new_lastmodified(vdir::utcTime(now)));
    auto bytes = vdir::serialize(todo.get());
    return bytes ? std::optional(*bytes) : std::nullopt;
}

QByteArray componentText(icalcomponent* c) {
    auto bytes = vdir::serialize(c);
    return bytes ? *bytes : QByteArray();
}

} // namespace

std::optional<QByteArray> completedTodo(const QByteArray& todo, kit::Instant now) {
    return edited(todo, now, [now](icalcomponent* c) {
        replace(c, ICAL_STATUS_PROPERTY, icalproperty_new_status(ICAL_STATUS_COMPLETED));
        replace(c, ICAL_COMPLETED_PROPERTY, icalproperty_new_completed(vdir::utcTime(now)));
        replace(c, ICAL_PERCENTCOMPLETE_PROPERTY, icalproperty_new_percentcomplete(100));
    });
}

std::optional<QByteArray> todoDue(const QByteArray& todo, const std::optional<DueDate>& due,
                                  kit::Instant now) {
    return edited(todo, now, [&due](icalcomponent* c) {
        replace(c, ICAL_DUE_PROPERTY, due ? vdir::newDueProperty(*due) : nullptr);
    });
}

std::optional<QByteArray> todoPriority(const QByteArray& todo, int priority, kit::Instant now) {
    return edited(todo, now, [priority](icalcomponent* c) {
        replace(c, ICAL_PRIORITY_PROPERTY,
                priority > 0 ? icalproperty_new_priority(std::clamp(priority, 1, 9)) : nullptr);
    });
}

QByteArray recurrenceIdValue(kit::Instant occurrence, bool isAllDay, const QString& zoneId) {
    if (isAllDay)
        return kit::localDate(occurrence, zoneId).toString(QStringLiteral("yyyyMMdd")).toLatin1();
    return QByteArray(icaltime_as_ical_string(vdir::utcTime(occurrence)));
}

std::vector<FileItem> itemsOfFile(const QByteArray& text, std::size_t limit) {
    std::vector<FileItem> items;
    ComponentPtr cal(icalparser_parse_string(text.constData()));
    if (!cal)
        return items;
    QByteArray zones;
    for (icalcomponent* z = icalcomponent_get_first_component(cal.get(), ICAL_VTIMEZONE_COMPONENT);
         z; z = icalcomponent_get_next_component(cal.get(), ICAL_VTIMEZONE_COMPONENT))
        zones += componentText(z);
    for (icalcomponent* c = icalcomponent_get_first_component(cal.get(), ICAL_ANY_COMPONENT);
         c && items.size() < limit;
         c = icalcomponent_get_next_component(cal.get(), ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(c);
        const char* uid = icalcomponent_get_uid(c);
        if ((kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VTODO_COMPONENT) || !uid || !*uid)
            continue;
        const bool isOverride =
            icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY) != nullptr;
        items.push_back({QString::fromUtf8(uid), kind == ICAL_VTODO_COMPONENT, isOverride,
                         "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Ruvo//EDS//EN\r\n" + zones +
                             componentText(c) + "END:VCALENDAR\r\n"});
    }
    return items;
}

} // namespace ruvo::platform::eds
