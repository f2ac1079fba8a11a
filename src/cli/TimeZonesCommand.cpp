// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TimeZonesCommand.h"

#include "settings/Keys.h"
#include "timezones/ChosenTimeZoneTexts.h"
#include "timezones/TimeZoneSearch.h"
#include "timezones/ZoneTexts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::cli {

using namespace ruvo::timezones;

namespace {

using cli::CommandContext;
using settings::ChosenTimeZone;
namespace keys = settings::keys;

void printJson(CommandContext& c, const QJsonValue& value) {
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    c.out << QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

QString entryLine(const ChosenTimeZoneTexts& texts, const ChosenTimeZone& e) {
    const kit::Instant now = texts.now();
    return settings::uuidText(e.id) + QLatin1Char('\t') + displayName(e) + QLatin1Char('\t') +
           e.timeZone.identifier + QLatin1Char('\t') + zoneLabel(e.timeZone, now) +
           QLatin1Char('\t') + texts.timeText(e, now);
}

int list(CommandContext& c, const Invocation& line) {
    const bool json = line.isSet("json");
    const auto entries = c.defaults.get(keys::timeZonesInMenu);
    if (json) {
        QJsonArray array;
        for (const ChosenTimeZone& e : entries)
            array.append(settings::JsonCodec<ChosenTimeZone>::encode(e));
        printJson(c, array);
        return cli::kExitOk;
    }
    const ChosenTimeZoneTexts texts(c.environment, c.clock);
    for (const ChosenTimeZone& e : entries)
        c.out << entryLine(texts, e) << "\n";
    return cli::kExitOk;
}

// The place a command-line query names: the first whose city is the query itself ("San
// Francisco" is the city, not Quito, whose other name contains it), else the first found.
const TimeZoneResult* placeNamed(const std::vector<const TimeZoneResult*>& results,
                                 const QString& query) {
    for (const TimeZoneResult* r : results)
        if (r->city.compare(query.trimmed(), Qt::CaseInsensitive) == 0)
            return r;
    return results.front();
}

int add(CommandContext& c, const Invocation& line) {
    const QStringList args = line.arguments();
    if (args[0].trimmed().isEmpty())
        return line.usageError(QCoreApplication::translate("cli", "the query is empty"));
    std::optional<ChosenTimeZone> entry;
    if (auto zone = settings::ZuTimeZone::make(args[0])) {
        entry = ChosenTimeZone::make(QUuid::createUuid(), *zone);
    } else {
        PlaceList places;
        const auto results = places.candidates(c.clock.now()).search(args[0]);
        if (results.empty()) {
            printError(
                c,
                QCoreApplication::translate("cli", "no place or zone matches \"%1\"").arg(args[0]));
            return cli::kExitNothing;
        }
        const TimeZoneResult& place = *placeNamed(results, args[0]);
        entry = entryForCandidate(place);
        if (!entry) {
            printError(c, QCoreApplication::translate(
                              "cli", "the zone of \"%1\" is unknown to this system")
                              .arg(place.displayPlace));
            return cli::kExitFailure;
        }
    }
    appendTimeZone(c.defaults, *entry);
    c.out << entryLine(ChosenTimeZoneTexts(c.environment, c.clock), *entry) << "\n";
    return cli::kExitOk;
}

int remove(CommandContext& c, const Invocation& line) {
    const QStringList args = line.arguments();
    auto entries = c.defaults.get(keys::timeZonesInMenu);
    const auto id = settings::uuidFromText(args[0]);
    const auto removed = std::erase_if(entries, [&](const ChosenTimeZone& e) {
        return (id && e.id == *id) || e.timeZone.identifier == args[0];
    });
    if (removed == 0) {
        printError(c, QCoreApplication::translate("cli", "no entry \"%1\" (ruvo timezones list)")
                          .arg(args[0]));
        return cli::kExitNothing;
    }
    c.defaults.set(keys::timeZonesInMenu, entries);
    return cli::kExitOk;
}

int search(CommandContext& c, const Invocation& line) {
    const bool json = line.isSet("json");
    const QStringList args = line.arguments();
    PlaceList places;
    const auto results = places.candidates(c.clock.now()).search(args[0]);
    QJsonArray array;
    for (const TimeZoneResult* r : results) {
        if (json)
            array.append(QJsonObject{{QStringLiteral("city"), r->city},
                                     {QStringLiteral("country"), r->country},
                                     {QStringLiteral("timeZoneIdentifier"), r->timeZoneIdentifier},
                                     {QStringLiteral("displayPlace"), r->displayPlace},
                                     {QStringLiteral("displayTimeZone"), r->displayTimeZone}});
        else
            c.out << r->displayPlace << "\t" << r->displayTimeZone << "\t" << r->timeZoneIdentifier
                  << "\n";
    }
    if (json)
        printJson(c, array);
    else if (results.empty())
        printError(c, args[0].size() < 2 ? searchPrompt() : noResultsText());
    return results.empty() ? cli::kExitNothing : cli::kExitOk;
}

QJsonObject description(const ChosenTimeZoneTexts& texts, const settings::ZuTimeZone& zone) {
    const kit::Instant now = texts.now();
    auto entry = ChosenTimeZone::make(QUuid(), zone);
    QJsonObject time;
    const std::pair<ChosenTimeZone::TimeFormat, const char*> formats[] = {
        {ChosenTimeZone::TimeFormat::system, "system"},
        {ChosenTimeZone::TimeFormat::twentyFourHour, "twentyFourHour"},
        {ChosenTimeZone::TimeFormat::twelveHour, "twelveHour"}};
    for (const auto& [format, name] : formats) {
        entry.timeFormat = format;
        time.insert(QLatin1String(name), texts.timeText(entry, now));
    }
    const auto abbreviation = normalizedAbbreviation(zone, now);
    return QJsonObject{{QStringLiteral("utcOffsetText"), utcOffsetText(zone, now)},
                       {QStringLiteral("normalizedAbbreviation"),
                        abbreviation ? QJsonValue(*abbreviation) : QJsonValue()},
                       {QStringLiteral("zoneLabel"), zoneLabel(zone, now)},
                       {QStringLiteral("relativeOffsetText"), texts.relativeOffsetText(entry, now)},
                       {QStringLiteral("relativeDayText"), texts.relativeDayText(entry, now)},
                       {QStringLiteral("weekdayText"), texts.weekdayText(entry, now)},
                       {QStringLiteral("isDaytime"), texts.isDaytime(entry, now)},
                       {QStringLiteral("timeText"), time}};
}

int describe(CommandContext& c, const Invocation& line) {
    const bool json = line.isSet("json");
    const QStringList args = line.arguments();
    const auto zone = settings::ZuTimeZone::make(args[0]);
    if (!zone)
        return line.usageError(
            QCoreApplication::translate("cli", "unknown time zone \"%1\"").arg(args[0]));
    const QJsonObject d = description(ChosenTimeZoneTexts(c.environment, c.clock), *zone);
    if (json) {
        printJson(c, d);
        return cli::kExitOk;
    }
    for (const char* key : {"utcOffsetText", "normalizedAbbreviation", "zoneLabel",
                            "relativeOffsetText", "relativeDayText", "weekdayText", "isDaytime"}) {
        const QJsonValue v = d.value(QLatin1String(key));
        c.out << key << ": "
              << (v.isBool() ? QLatin1String(v.toBool() ? "true" : "false") : v.toString()) << "\n";
    }
    const QJsonObject time = d.value(QLatin1String("timeText")).toObject();
    for (const QString& key :
         {QStringLiteral("system"), QStringLiteral("twentyFourHour"), QStringLiteral("twelveHour")})
        c.out << "timeText." << key << ": " << time.value(key).toString() << "\n";
    return cli::kExitOk;
}

} // namespace

cli::Command timeZonesCommand() {
    const Option json{"json", QT_TRANSLATE_NOOP("cli", "print JSON")};
    return {QStringLiteral("timezones"),
            QT_TRANSLATE_NOOP("cli", "list, add, remove, search and describe world-clock zones"),
            {{.verb = "list", .options = {json}, .run = &list},
             {.verb = "add",
              .arguments = "QUERY-OR-ZONE-ID",
              .minArguments = 1,
              .maxArguments = 1,
              .run = &add},
             {.verb = "remove",
              .arguments = "ENTRY-ID-OR-ZONE-ID",
              .minArguments = 1,
              .maxArguments = 1,
              .run = &remove},
             {.verb = "search",
              .arguments = "QUERY",
              .minArguments = 1,
              .maxArguments = 1,
              .options = {json},
              .run = &search},
             {.verb = "describe",
              .arguments = "ZONE-ID",
              .minArguments = 1,
              .maxArguments = 1,
              .options = {json},
              .run = &describe}}};
}

} // namespace ruvo::cli
