// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TimeZonesCommand.h"

#include "cli/Verbs.h"
#include "settings/Keys.h"
#include "timezones/ChosenTimeZoneTexts.h"
#include "timezones/TimeZoneSearch.h"
#include "timezones/ZoneTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::cli {

using namespace ruvo::timezones;

namespace {

using cli::CommandContext;
using settings::ChosenTimeZone;
namespace keys = settings::keys;

const char* const kUsage = "usage: ruvo timezones list [--json]\n"
                           "       ruvo timezones add QUERY-OR-ZONE-ID\n"
                           "       ruvo timezones remove ENTRY-ID-OR-ZONE-ID\n"
                           "       ruvo timezones search QUERY [--json]\n"
                           "       ruvo timezones describe ZONE-ID [--json]\n";

int usage(CommandContext& c) {
    c.err << kUsage;
    return cli::kExitUsage;
}

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

int list(CommandContext& c, QStringList args) {
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (!args.isEmpty())
        return usage(c);
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

int add(CommandContext& c, const QStringList& args) {
    if (args.size() != 1 || args[0].trimmed().isEmpty())
        return usage(c);
    std::optional<ChosenTimeZone> entry;
    if (auto zone = settings::ZuTimeZone::make(args[0])) {
        entry = ChosenTimeZone::make(QUuid::createUuid(), *zone);
    } else {
        const auto results = PlaceList::shared(c.clock.now()).search(args[0]);
        if (results.empty()) {
            c.err << "ruvo timezones: no place or zone matches \"" << args[0] << "\"\n";
            return cli::kExitNothing;
        }
        const TimeZoneResult& place = *placeNamed(results, args[0]);
        entry = entryForCandidate(place);
        if (!entry) {
            c.err << "ruvo timezones: the zone of \"" << place.displayPlace
                  << "\" is unknown to this system\n";
            return cli::kExitFailure;
        }
    }
    appendTimeZone(c.defaults, *entry);
    c.out << entryLine(ChosenTimeZoneTexts(c.environment, c.clock), *entry) << "\n";
    return cli::kExitOk;
}

int remove(CommandContext& c, const QStringList& args) {
    if (args.size() != 1)
        return usage(c);
    auto entries = c.defaults.get(keys::timeZonesInMenu);
    const auto id = settings::uuidFromText(args[0]);
    const auto removed = std::erase_if(entries, [&](const ChosenTimeZone& e) {
        return (id && e.id == *id) || e.timeZone.identifier == args[0];
    });
    if (removed == 0) {
        c.err << "ruvo timezones: no entry \"" << args[0] << "\" (ruvo timezones list)\n";
        return cli::kExitNothing;
    }
    c.defaults.set(keys::timeZonesInMenu, entries);
    return cli::kExitOk;
}

int search(CommandContext& c, QStringList args) {
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.size() != 1)
        return usage(c);
    const auto results = PlaceList::shared(c.clock.now()).search(args[0]);
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
        c.err << (args[0].size() < 2 ? kSearchPrompt : kNoResults) << "\n";
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

int describe(CommandContext& c, QStringList args) {
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.size() != 1)
        return usage(c);
    const auto zone = settings::ZuTimeZone::make(args[0]);
    if (!zone) {
        c.err << "ruvo timezones: unknown time zone \"" << args[0] << "\"\n";
        return cli::kExitUsage;
    }
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

int run(CommandContext& c, const QStringList& arguments) {
    const auto status = cli::runVerb(c, arguments,
                                     {{"list", list},
                                      {"add", add},
                                      {"remove", remove},
                                      {"search", search},
                                      {"describe", describe}});
    return status ? *status : usage(c);
}

} // namespace

cli::Command timeZonesCommand() {
    return cli::Command{QStringLiteral("timezones"),
                        QStringLiteral("list, add, remove, search and describe world-clock zones"),
                        QString::fromLatin1(kUsage), &run};
}

} // namespace ruvo::cli
