// SPDX-License-Identifier: GPL-3.0-or-later
#include "creation/PlaceCompletion.h"

#include <QCoreApplication>
#include <set>

namespace ruvo::creation {

QString PlaceCompletion::locationText() const {
    if (subtitle.isEmpty())
        return title;
    return title + QStringLiteral(", ") + subtitle;
}

PlaceCompletion completionOf(const timezones::TimeZoneResult& place) {
    const QString name = place.city.trimmed();
    QString where = place.displayPlace;
    if (!name.isEmpty() && where.startsWith(name))
        where = where.mid(name.size());
    while (where.startsWith(QLatin1Char(',')) || where.startsWith(QLatin1Char(' ')))
        where.remove(0, 1);
    if (name.isEmpty())
        return {QCoreApplication::translate("PlaceCompletion", "Unnamed Location"),
                where.isEmpty() ? place.country : where};
    return {name, where};
}

std::vector<PlaceCompletion> placeCompletions(const timezones::TimeZoneCandidates& candidates,
                                              const QString& text, std::size_t limit) {
    std::vector<PlaceCompletion> completions;
    std::set<QString> seen;
    for (const timezones::TimeZoneResult* place : candidates.search(text)) {
        if (completions.size() >= limit)
            break;
        // Zone entries have no country; the generic zones of a country name their
        // abbreviations after a dash ("Eastern Time — ET (EST/EDT)").
        if (place->country.isEmpty() || place->city.contains(QChar(0x2014)))
            continue;
        PlaceCompletion completion = completionOf(*place);
        if (seen.insert(completion.locationText()).second)
            completions.push_back(std::move(completion));
    }
    return completions;
}

} // namespace ruvo::creation
