// SPDX-License-Identifier: GPL-3.0-or-later
// The limits of one expansion of one rule. Besides counts of steps, a time limit on a steady
// clock: a stranger's rule can make a single step slow.
#pragma once

#include "platform/linux/VdirLog.h"

#include <QByteArray>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <utility>

namespace ruvo::platform::vdir {

// Bounds one expansion of a rule whose occurrences never reach the window.
inline constexpr int kMaxIterations = 200000;
// A rule with COUNT is walked from its first start (the count decides where it ends); this
// bounds that walk, a hundred years of an hourly series with room to spare.
inline constexpr int kMaxCountedIterations = 1000000;

// One expansion of one rule stops once it has found no start for this long, or has run this
// long in all, whatever it has found by then. A rule that keeps finding starts is bounded by
// the counts above; these catch the steps that find nothing, however slow each one is. Neither
// limit is near what a real rule needs, even in a sanitized build on a busy machine.
inline constexpr int kMaxIdleRuleMilliseconds = 250;
inline constexpr int kMaxRuleMilliseconds = 5000;

// The rules expanded while a SharedRuleTime lives on this thread share one more limit: the
// rules of one file while it is read, the series of one query. A file with a hundred slow rules
// then costs one limit, not a hundred. Once it is spent, each further rule stops at its first
// look at the clock (a few steps, so the first starts of cheap rules still show).
inline constexpr int kMaxSharedRuleMilliseconds = 5000;

class SharedRuleTime {
public:
    using Clock = std::chrono::steady_clock;

    // A scope inside another keeps the outer scope's end when that comes first.
    SharedRuleTime() : m_outer(t_until) {
        const auto until = Clock::now() + std::chrono::milliseconds(kMaxSharedRuleMilliseconds);
        t_until = std::min(until, m_outer.value_or(Clock::time_point::max()));
    }
    ~SharedRuleTime() { t_until = m_outer; }
    SharedRuleTime(const SharedRuleTime&) = delete;
    SharedRuleTime& operator=(const SharedRuleTime&) = delete;

    static Clock::time_point until() { return t_until.value_or(Clock::time_point::max()); }

private:
    std::optional<Clock::time_point> m_outer;
    static inline thread_local std::optional<Clock::time_point> t_until;
};

class RuleBudget {
public:
    explicit RuleBudget(const QByteArray& rule)
        : m_rule(rule), m_idleUntil(Clock::now() + kIdle),
          m_until(std::min(Clock::now() + kAll, SharedRuleTime::until())) {}

    // A start was found: the idle time begins again.
    void progress() { m_hasProgress = true; }

    // Looks at the clock every few calls.
    bool isSpent() {
        if (++m_steps % 16 != 0)
            return false;
        const auto now = Clock::now();
        if (now >= m_idleUntil && std::exchange(m_hasProgress, false))
            m_idleUntil = now + kIdle;
        if (now < m_idleUntil && now < m_until)
            return false;
        static std::atomic<bool> isLogged = false;
        if (!isLogged.exchange(true))
            qCWarning(lcVdir) << "Stopped expanding the rule" << m_rule
                              << "for its time limit; its later occurrences are left out";
        return true;
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kIdle = std::chrono::milliseconds(kMaxIdleRuleMilliseconds);
    static constexpr auto kAll = std::chrono::milliseconds(kMaxRuleMilliseconds);

    const QByteArray& m_rule;
    Clock::time_point m_idleUntil;
    Clock::time_point m_until;
    bool m_hasProgress = false;
    int m_steps = 0;
};

} // namespace ruvo::platform::vdir
