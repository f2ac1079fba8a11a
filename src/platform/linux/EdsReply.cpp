// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/EdsReply.h"

#include "platform/linux/EdsGlib.h"

namespace ruvo::platform::eds {

namespace {

ICalParameterPartstat partstatOf(ParticipantStatus status) {
    switch (status) {
    case ParticipantStatus::accepted:
        return I_CAL_PARTSTAT_ACCEPTED;
    case ParticipantStatus::declined:
        return I_CAL_PARTSTAT_DECLINED;
    case ParticipantStatus::tentative:
        return I_CAL_PARTSTAT_TENTATIVE;
    case ParticipantStatus::delegated:
        return I_CAL_PARTSTAT_DELEGATED;
    default:
        return I_CAL_PARTSTAT_NEEDSACTION;
    }
}

QString addressOf(ICalProperty* attendee) {
    QString address = fromUtf8(i_cal_property_get_attendee(attendee)).trimmed().toLower();
    if (address.startsWith(QLatin1String("mailto:")))
        address = address.mid(7);
    return address;
}

} // namespace

bool answerInvitation(ICalComponent* component, const QStringList& addresses,
                      ParticipantStatus status, kit::Instant now) {
    bool isAnswered = false;
    for (GObjectPtr<ICalProperty> p(
             i_cal_component_get_first_property(component, I_CAL_ATTENDEE_PROPERTY));
         p; p.reset(i_cal_component_get_next_property(component, I_CAL_ATTENDEE_PROPERTY))) {
        if (!addresses.contains(addressOf(p.get())))
            continue;
        i_cal_property_remove_parameter_by_kind(p.get(), I_CAL_PARTSTAT_PARAMETER);
        i_cal_property_take_parameter(p.get(), i_cal_parameter_new_partstat(partstatOf(status)));
        isAnswered = true;
    }
    if (isAnswered) {
        GObjectPtr<ICalTime> stamp(i_cal_time_new_from_timet_with_zone(
            time_t(kit::msecsSinceEpoch(now) / 1000), 0, i_cal_timezone_get_utc_timezone()));
        i_cal_component_set_dtstamp(component, stamp.get());
    }
    return isAnswered;
}

bool sendReply(ECalClient* client, ICalComponent* component, const QString& calendarTitle) {
    if (!e_client_check_capability(E_CLIENT(client), E_CAL_STATIC_CAPABILITY_CREATE_MESSAGES)) {
        qCInfo(lcEds, "Calendar “%s” sends no messages: the answer is kept in the calendar only",
               qUtf8Printable(calendarTitle));
        return false;
    }
    GObjectPtr<ICalComponent> message(i_cal_component_new_vcalendar());
    i_cal_component_set_method(message.get(), I_CAL_METHOD_REPLY);
    i_cal_component_take_component(message.get(), i_cal_component_clone(component));
    GSList* users = nullptr;
    ICalComponent* modified = nullptr;
    GErrorHolder error;
    const bool isSent = e_cal_client_send_objects_sync(
        client, message.get(), E_CAL_OPERATION_FLAG_NONE, &users, &modified, nullptr, error.out());
    g_slist_free_full(users, g_free);
    if (modified)
        g_object_unref(modified);
    if (!isSent)
        qCWarning(lcEds, "Calendar “%s”: the answer was not sent: %s",
                  qUtf8Printable(calendarTitle), qUtf8Printable(error.message()));
    return isSent;
}

} // namespace ruvo::platform::eds
