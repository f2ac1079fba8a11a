// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/exclusion/TitleMatcher.h"

#include "kit/IcuText.h"

#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/regex.h>

namespace ruvo::exclusion {

namespace {

icu::UnicodeString decomposed(const QString& text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    if (U_FAILURE(status))
        return kit::toIcu(text);
    icu::UnicodeString result = nfd->normalize(kit::toIcu(text), status);
    return U_SUCCESS(status) ? result : kit::toIcu(text);
}

// Called by ICU every few thousand steps of a search; stopping it ends the search.
UBool U_CALLCONV keepSearching(const void* context, int32_t /*steps*/) {
    return !static_cast<const Deadline*>(context)->hasPassed();
}

// The pattern, decomposed like the titles, compiled case-insensitively; null with `problem`
// set when it does not compile.
std::unique_ptr<icu::RegexPattern> compileRegex(const QString& pattern, QString& problem) {
    UParseError parseError;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexPattern> regex(icu::RegexPattern::compile(
        decomposed(pattern), UREGEX_CASE_INSENSITIVE, parseError, status));
    if (U_SUCCESS(status))
        return regex;
    problem = QStringLiteral("%1 at offset %2")
                  .arg(QString::fromLatin1(u_errorName(status)))
                  .arg(parseError.offset);
    return nullptr;
}

} // namespace

QString normalizedText(const QString& text) {
    icu::UnicodeString u = decomposed(text);
    u.toLower(icu::Locale::getRoot());
    return kit::fromIcu(u).trimmed();
}

std::optional<QString> regexError(const QString& pattern) {
    QString problem;
    compileRegex(pattern, problem);
    return problem.isEmpty() ? std::nullopt : std::optional<QString>(problem);
}

TitleMatcher::TitleMatcher(const EventExcludeMatcher& matcher) : m_matcher(matcher) {
    if (matcher.kind == EventExcludeMatcher::Kind::regex)
        m_regex = compileRegex(matcher.pattern, m_problem);
    else
        m_normalizedPattern = normalizedText(matcher.pattern);
}

TitleMatcher::~TitleMatcher() = default;
TitleMatcher::TitleMatcher(TitleMatcher&&) noexcept = default;
TitleMatcher& TitleMatcher::operator=(TitleMatcher&&) noexcept = default;

TitleMatcher::Outcome TitleMatcher::test(const QString& title, const Deadline& deadline) const {
    using K = EventExcludeMatcher::Kind;
    const auto answer = [](bool yes) { return yes ? Outcome::matches : Outcome::doesNotMatch; };
    if (m_matcher.pattern.trimmed().isEmpty())
        return Outcome::doesNotMatch; // an empty pattern would hide every event
    switch (m_matcher.kind) {
    case K::equals:
        return answer(title == m_normalizedPattern);
    case K::contains:
        return answer(title.contains(m_normalizedPattern));
    case K::startsWith:
        return answer(title.startsWith(m_normalizedPattern));
    case K::endsWith:
        return answer(title.endsWith(m_normalizedPattern));
    case K::regex:
        return search(title, deadline);
    }
    return Outcome::doesNotMatch;
}

TitleMatcher::Outcome TitleMatcher::search(const QString& title, const Deadline& deadline) const {
    if (!m_regex)
        return Outcome::failed;
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = kit::toIcu(title);
    std::unique_ptr<icu::RegexMatcher> matcher(m_regex->matcher(text, status));
    if (U_FAILURE(status))
        return Outcome::failed;
    matcher->setMatchCallback(keepSearching, &deadline, status);
    const bool found = matcher->find(0, status);
    if (status == U_REGEX_STOPPED_BY_CALLER || status == U_REGEX_TIME_OUT)
        return Outcome::timedOut;
    if (U_FAILURE(status))
        return Outcome::failed;
    return found ? Outcome::matches : Outcome::doesNotMatch;
}

} // namespace ruvo::exclusion
