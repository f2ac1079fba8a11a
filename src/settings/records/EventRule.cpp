// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/records/EventRule.h"

namespace ruvo::settings {

QJsonValue JsonCodec<EventRule::Predicate>::encode(const EventRule::Predicate& p) {
    return QJsonObject{{QStringLiteral("kind"), caseName(p.kind)},
                       {QStringLiteral("string"), p.string}};
}

kit::Result<EventRule::Predicate> JsonCodec<EventRule::Predicate>::decode(const QJsonValue& json) {
    JsonFields f(json);
    EventRule::Predicate p;
    p.kind = f.enumeration<EventRule::Predicate::Kind>("kind");
    p.string = f.string("string");
    if (!f.isOk())
        return kit::fail(f.error());
    return p;
}

QJsonValue JsonCodec<EventRule>::encode(const EventRule& r) {
    QJsonArray predicates;
    for (const auto& p : r.predicates)
        predicates.append(JsonCodec<EventRule::Predicate>::encode(p));
    return QJsonObject{{QStringLiteral("id"), uuidText(r.id)},
                       {QStringLiteral("name"), r.name},
                       {QStringLiteral("isEnabled"), r.isEnabled},
                       {QStringLiteral("calendars"), stringArray(r.calendars)},
                       {QStringLiteral("action"), caseName(r.action)},
                       {QStringLiteral("property"), caseName(r.property)},
                       {QStringLiteral("replacementType"), caseName(r.replacementType)},
                       {QStringLiteral("replacementPattern"), r.replacementPattern},
                       {QStringLiteral("replacementString"), r.replacementString},
                       {QStringLiteral("predicateType"), caseName(r.predicateType)},
                       {QStringLiteral("predicates"), predicates}};
}

kit::Result<EventRule> JsonCodec<EventRule>::decode(const QJsonValue& json) {
    JsonFields f(json); // every key is required
    EventRule r;
    r.id = f.uuid("id");
    r.name = f.string("name");
    r.isEnabled = f.boolean("isEnabled");
    for (QString& calendar : f.strings("calendars"))
        r.calendars.insert(std::move(calendar));
    r.action = f.enumeration<EventRule::Action>("action");
    r.property = f.enumeration<EventRule::Property>("property");
    r.replacementType = f.enumeration<EventRule::ReplacementType>("replacementType");
    r.replacementPattern = f.string("replacementPattern");
    r.replacementString = f.string("replacementString");
    r.predicateType = f.enumeration<EventRule::PredicateType>("predicateType");
    r.predicates = f.records<EventRule::Predicate>("predicates");
    if (!f.isOk())
        return kit::fail(f.error());
    return r;
}

} // namespace ruvo::settings
