// SPDX-License-Identifier: GPL-3.0-or-later
// One exclusion matcher made ready to test titles.
//
// Texts are compared normalised: canonical decomposition, lower case, whitespace trimmed at
// both ends. A regex pattern is decomposed too (but keeps its case and spaces, which carry
// meaning in a pattern) and searched, case-insensitively and unanchored, in the normalised
// title. A regex search stops when `deadline` passes, checked on the given clock while the
// search runs, so a pathological pattern cannot hold the caller.
#pragma once

#include "kit/Clock.h"
#include "settings/records/EventExcludeMatcher.h"

#include <memory>
#include <unicode/regex.h>

namespace ruvo::exclusion {

using settings::EventExcludeMatcher;

QString normalizedText(const QString& text);

// Whether `pattern` compiles as an ICU regular expression; the reason when it does not.
std::optional<QString> regexError(const QString& pattern);

struct Deadline {
    const kit::Clock& clock;
    kit::Instant at;
    bool hasPassed() const { return clock.now() >= at; }
};

class TitleMatcher {
public:
    explicit TitleMatcher(const EventExcludeMatcher& matcher);
    ~TitleMatcher();
    TitleMatcher(TitleMatcher&&) noexcept;
    TitleMatcher& operator=(TitleMatcher&&) noexcept;

    enum class Outcome { matches, doesNotMatch, timedOut, failed };
    Outcome test(const QString& normalizedTitle, const Deadline& deadline) const;

    const EventExcludeMatcher& matcher() const { return m_matcher; }
    // Why the pattern could not be used (an invalid regex); empty when it can.
    const QString& problem() const { return m_problem; }

private:
    Outcome search(const QString& normalizedTitle, const Deadline& deadline) const;

    EventExcludeMatcher m_matcher;
    QString m_normalizedPattern;
    std::unique_ptr<icu::RegexPattern> m_regex;
    QString m_problem;
};

} // namespace ruvo::exclusion
