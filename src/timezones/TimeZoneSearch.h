// SPDX-License-Identifier: GPL-3.0-or-later
// The time-zone search over the prepared place list, and adding a chosen candidate.
//
// A query is lower-cased, a leading "gmt" becomes "utc", filler words go; a candidate then
// matches on its country (equal, or as a whole word), on its searchable place text, or on
// that text against the query transliterated to ASCII without spaces.
#pragma once

#include "settings/Defaults.h"
#include "settings/records/ChosenTimeZone.h"
#include "timezones/PlaceList.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ruvo::timezones {

struct SearchQuery {
    QString text;           // normalised
    QString transliterated; // ASCII, lower-case, no whitespace
    QRegularExpression word;

    // Nothing for texts shorter than two characters (or nothing left after normalising).
    static std::optional<SearchQuery> make(const QString& searchText);
    bool matches(const TimeZoneResult& candidate) const;
};

// "Search by city, country, or time zone" below two characters, "No Results" when nothing
// matches.
inline QString searchPrompt() {
    return QCoreApplication::translate("TimeZoneSearch", "Search by city, country, or time zone");
}
inline QString noResultsText() {
    return QCoreApplication::translate("TimeZoneSearch", "No Results");
}

// The prepared list with an index for answering queries quickly: the searchable texts of
// all candidates in one UTF-8 block, and each distinct country tested once per query.
class TimeZoneCandidates {
public:
    explicit TimeZoneCandidates(std::vector<TimeZoneResult> results);

    const std::vector<TimeZoneResult>& all() const { return m_results; }
    std::size_t size() const { return m_results.size(); }

    // The matching candidates in list order.
    std::vector<const TimeZoneResult*> search(const QString& searchText) const;

private:
    void markText(const QString& needle, std::vector<char>& hits) const;

    std::vector<TimeZoneResult> m_results;
    QByteArray m_block;              // searchable texts, each followed by '\n'
    std::vector<qsizetype> m_starts; // where each candidate's text begins in m_block
    QStringList m_countries;         // distinct countrySearchable values
    std::vector<int> m_countryOf;    // index into m_countries per candidate
};

// The entry that choosing `candidate` adds: named after its city, with the tail of the
// generic United States names cut ("Eastern Time — ET (EST/EDT)" is added as Eastern Time).
// Nothing when the system does not know the candidate's zone.
std::optional<settings::ChosenTimeZone> entryForCandidate(const TimeZoneResult& candidate,
                                                          QUuid id = QUuid::createUuid());

// Appends the entry at the end of the world clock.
void appendTimeZone(const settings::Defaults& defaults, const settings::ChosenTimeZone& entry);

} // namespace ruvo::timezones
