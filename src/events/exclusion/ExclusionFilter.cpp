// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/exclusion/ExclusionFilter.h"

#include "events/exclusion/ExclusionLog.h"

namespace ruvo::exclusion {

namespace {

settings::ExcludeMatcherList applicable(const settings::ExcludeMatcherList& matchers,
                                        Location location) {
    settings::ExcludeMatcherList chosen;
    for (const EventExcludeMatcher& m : matchers)
        if (m.isEnabled && m.locations.count(location))
            chosen.push_back(m);
    return chosen;
}

std::vector<TitleMatcher> compileAll(const settings::ExcludeMatcherList& matchers) {
    std::vector<TitleMatcher> compiled;
    for (const EventExcludeMatcher& m : matchers) {
        TitleMatcher matcher(m);
        if (!matcher.problem().isEmpty())
            qCWarning(lcExclusion).noquote()
                << QStringLiteral("The event exclusion rule with pattern “%1” is not a valid "
                                  "regular expression (%2); it hides nothing.")
                       .arg(m.pattern, matcher.problem());
        compiled.push_back(std::move(matcher));
    }
    return compiled;
}

// Whether any matcher excludes the title; nothing when the deadline passed.
std::optional<bool> isExcluded(const QString& title, const std::vector<TitleMatcher>& matchers,
                               const Deadline& deadline) {
    const QString normalized = normalizedText(title);
    for (const TitleMatcher& m : matchers) {
        switch (m.test(normalized, deadline)) {
        case TitleMatcher::Outcome::matches:
            return true;
        case TitleMatcher::Outcome::timedOut:
            return std::nullopt;
        case TitleMatcher::Outcome::doesNotMatch:
        case TitleMatcher::Outcome::failed:
            break;
        }
    }
    if (deadline.hasPassed())
        return std::nullopt;
    return false;
}

void logTimeOut(const settings::ExcludeMatcherList& matchers) {
    qCWarning(lcExclusion).noquote()
        << QStringLiteral("The event exclusion rule with pattern “") + describeMatchers(matchers) +
               QStringLiteral("” took too long to execute. Your regex may be invalid.");
}

} // namespace

QString describeMatchers(const settings::ExcludeMatcherList& matchers) {
    QStringList patterns;
    for (const EventExcludeMatcher& m : matchers)
        patterns << QStringLiteral("\"%1\"").arg(m.pattern);
    return QLatin1Char('[') + patterns.join(QStringLiteral(", ")) + QLatin1Char(']');
}

TitleFilterResult excludedTitles(const QStringList& titles,
                                 const settings::ExcludeMatcherList& matchers, Location location,
                                 const kit::Clock& steady, kit::Milliseconds limit) {
    TitleFilterResult result{std::vector<bool>(static_cast<std::size_t>(titles.size()), false),
                             false};
    const settings::ExcludeMatcherList chosen = applicable(matchers, location);
    if (chosen.empty())
        return result;
    const Deadline deadline{steady, steady.now() + limit};
    const std::vector<TitleMatcher> compiled = compileAll(chosen);
    qCDebug(lcExclusion) << "Exclude matcher - Events:" << titles;
    QStringList kept;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const std::optional<bool> excluded = isExcluded(titles[i], compiled, deadline);
        if (!excluded) {
            logTimeOut(chosen);
            return TitleFilterResult{std::vector<bool>(result.isExcluded.size(), false), true};
        }
        result.isExcluded[static_cast<std::size_t>(i)] = *excluded;
        if (!*excluded)
            kept << titles[i];
    }
    qCDebug(lcExclusion) << "Exclude matcher - Filtered events:" << kept;
    return result;
}

} // namespace ruvo::exclusion
