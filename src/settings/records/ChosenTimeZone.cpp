// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/records/ChosenTimeZone.h"

namespace ruvo::settings {

ChosenTimeZone ChosenTimeZone::make(QUuid id, ZuTimeZone zone, std::optional<QString> name) {
    ChosenTimeZone entry;
    entry.id = id;
    entry.originalName = name ? name : std::optional<QString>(zone.city);
    entry.name = std::move(name);
    entry.timeZone = std::move(zone);
    return entry;
}

QJsonValue JsonCodec<ChosenTimeZone>::encode(const ChosenTimeZone& e) {
    QJsonObject o{{QStringLiteral("id"), uuidText(e.id)},
                  {QStringLiteral("timeZone"), e.timeZone.identifier},
                  {QStringLiteral("timeFormat"), caseName(e.timeFormat)},
                  {QStringLiteral("isInMenuBar"), e.isInMenuBar},
                  {QStringLiteral("menuBarTitle"), e.menuBarTitle},
                  {QStringLiteral("notes"), e.notes},
                  {QStringLiteral("menuBarShowWeekdayWhenInDifferentDay"),
                   e.menuBarShowWeekdayWhenInDifferentDay},
                  {QStringLiteral("hide"), caseName(e.hide)},
                  {QStringLiteral("showInMenu"), e.showInMenu}};
    if (e.name)
        o.insert(QStringLiteral("name"), *e.name);
    if (e.originalName)
        o.insert(QStringLiteral("originalName"), *e.originalName);
    return o;
}

kit::Result<ChosenTimeZone> JsonCodec<ChosenTimeZone>::decode(const QJsonValue& json) {
    using TZ = ChosenTimeZone;
    JsonFields f(json);
    ChosenTimeZone e;
    e.id = f.uuid("id");
    const QString zoneId = f.string("timeZone");
    e.name = f.optionalString("name");
    e.originalName = f.optionalString("originalName");
    e.timeFormat = f.enumeration<TZ::TimeFormat>("timeFormat", TZ::TimeFormat::system);
    e.isInMenuBar = f.boolean("isInMenuBar", false);
    e.menuBarTitle = f.string("menuBarTitle", QString{});
    e.notes = f.string("notes", QString{});
    e.menuBarShowWeekdayWhenInDifferentDay =
        f.boolean("menuBarShowWeekdayWhenInDifferentDay", true);
    e.hide = f.enumeration<TZ::Hide>("hide", TZ::Hide::never);
    e.showInMenu = f.boolean("showInMenu", true);
    if (!f.isOk())
        return kit::fail(f.error());
    auto zone = ZuTimeZone::make(zoneId);
    if (!zone)
        return kit::fail(QStringLiteral("Invalid time zone identifier"));
    e.timeZone = std::move(*zone);
    return e;
}

} // namespace ruvo::settings
