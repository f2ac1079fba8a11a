// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/TimeZoneSearch.h"

#include "kit/IcuText.h"
#include "settings/Keys.h"
#include "timezones/ChosenTimeZoneTexts.h"

#include <QHash>
#include <QMutex>
#include <algorithm>
#include <cstring>
#include <memory>
#include <unicode/translit.h>

namespace ruvo::timezones {

namespace {

// Creating the transform costs about 17 ms: make it once, use it under a lock.
QString toAscii(const QString& text) {
    static QMutex mutex;
    static std::unique_ptr<icu::Transliterator> transform = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance(
            icu::UnicodeString(u"Any-Latin; Latin-ASCII;"), UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(t) : nullptr;
    }();
    if (!transform)
        return text;
    QMutexLocker lock(&mutex);
    icu::UnicodeString s = kit::toIcu(text);
    transform->transliterate(s);
    return kit::fromIcu(s);
}

QString normalised(const QString& searchText) {
    static const QRegularExpression gmt(QStringLiteral("^gmt([-+]|$)"));
    static const QRegularExpression fillers(
        QStringLiteral("\\b(?:the|and|&|or|but|so|because|if|a|an|in|of|to|is|it|for|on|with|as|"
                       "by|at|are|that|was|be|do|have|not|this|from|you|which|will)\\b"),
        QRegularExpression::UseUnicodePropertiesOption);
    QString q = searchText.toLower();
    q.replace(gmt, QStringLiteral("utc\\1"));
    q.remove(fillers);
    return q.simplified();
}

} // namespace

std::optional<SearchQuery> SearchQuery::make(const QString& searchText) {
    if (searchText.size() < 2)
        return std::nullopt;
    SearchQuery query;
    query.text = normalised(searchText);
    if (query.text.isEmpty())
        return std::nullopt;
    query.transliterated = toAscii(query.text).toLower();
    query.transliterated.remove(QRegularExpression(QStringLiteral("\\s")));
    query.word = QRegularExpression(QStringLiteral("\\b") + QRegularExpression::escape(query.text) +
                                        QStringLiteral("\\b"),
                                    QRegularExpression::UseUnicodePropertiesOption);
    return query;
}

bool SearchQuery::matches(const TimeZoneResult& r) const {
    if (r.countrySearchable == text)
        return true;
    if (r.countrySearchable.contains(text) && r.countrySearchable.contains(word))
        return true;
    // Both sides are lower case already: a plain comparison is the case-insensitive one.
    if (r.displayPlaceSearchable.contains(text))
        return true;
    return !transliterated.isEmpty() && r.displayPlaceSearchable.contains(transliterated);
}

TimeZoneCandidates::TimeZoneCandidates(std::vector<TimeZoneResult> results)
    : m_results(std::move(results)) {
    QHash<QString, int> countries;
    m_starts.reserve(m_results.size());
    m_countryOf.reserve(m_results.size());
    for (const TimeZoneResult& r : m_results) {
        m_starts.push_back(m_block.size());
        m_block += r.displayPlaceSearchable.toUtf8();
        m_block += '\n';
        auto it = countries.find(r.countrySearchable);
        if (it == countries.end()) {
            it = countries.insert(r.countrySearchable, int(m_countries.size()));
            m_countries << r.countrySearchable;
        }
        m_countryOf.push_back(*it);
    }
}

void TimeZoneCandidates::markText(const QString& needle, std::vector<char>& hits) const {
    const QByteArray n = needle.toUtf8();
    if (n.isEmpty())
        return;
    const char* begin = m_block.constData();
    const char* end = begin + m_block.size();
    const char* from = begin;
    while (from < end) {
        const void* found = memmem(from, std::size_t(end - from), n.constData(), n.size());
        if (!found)
            return;
        const qsizetype offset = static_cast<const char*>(found) - begin;
        const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
        hits[std::size_t(next - m_starts.begin() - 1)] = 1;
        from = next == m_starts.end() ? end : begin + *next; // one hit per candidate is enough
    }
}

std::vector<const TimeZoneResult*> TimeZoneCandidates::search(const QString& searchText) const {
    std::vector<const TimeZoneResult*> results;
    const auto query = SearchQuery::make(searchText);
    if (!query)
        return results;
    std::vector<char> countryMatches(std::size_t(m_countries.size()));
    for (qsizetype i = 0; i < m_countries.size(); ++i) {
        const QString& country = m_countries[i];
        countryMatches[std::size_t(i)] = country == query->text || (country.contains(query->text) &&
                                                                    country.contains(query->word));
    }
    std::vector<char> hits(m_results.size());
    markText(query->text, hits);           // rule c
    markText(query->transliterated, hits); // rule d
    for (std::size_t i = 0; i < m_results.size(); ++i)
        if (hits[i] || countryMatches[std::size_t(m_countryOf[i])])
            results.push_back(&m_results[i]);
    return results;
}

std::optional<settings::ChosenTimeZone> entryForCandidate(const TimeZoneResult& candidate,
                                                          QUuid id) {
    auto zone = settings::ZuTimeZone::make(candidate.timeZoneIdentifier);
    if (!zone)
        return std::nullopt;
    auto entry = settings::ChosenTimeZone::make(id, std::move(*zone), candidate.city);
    static const QRegularExpression genericTail(QStringLiteral(" — \\w+ \\(\\w+/\\w+\\)"),
                                                QRegularExpression::UseUnicodePropertiesOption);
    if (candidate.city.contains(genericTail))
        rename(entry, QString(candidate.city).remove(genericTail));
    return entry;
}

void appendTimeZone(const settings::Defaults& defaults, const settings::ChosenTimeZone& entry) {
    auto list = defaults.get(settings::keys::timeZonesInMenu);
    list.push_back(entry);
    defaults.set(settings::keys::timeZonesInMenu, list);
}

} // namespace ruvo::timezones
