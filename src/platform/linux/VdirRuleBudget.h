// SPDX-License-Identifier: GPL-3.0-or-later
// The limits of one expansion of one rule. Besides counts of steps, a time limit on a steady
// clock: a stranger's rule can make a single step slow.
#pragma once

#include "platform/linux/VdirLog.h"

#include <QByteArray>
#include <atomic>
#include <chrono>

namespace ruvo::platform::vdir {

// Bounds one expansion of a rule whose occurrences never reach the window.
inline constexpr int kMaxIterations = 200000;
// A rule with COUNT is walked from its first start (the count decides where it ends); this
// bounds that walk, a hundred years of an hourly series with room to spare.
inline constexpr int kMaxCountedIterations = 1000000;

// One expansion of one rule stops after this much time, whatever it has found by then.
inline constexpr int kMaxRuleMilliseconds = 250;

class RuleBudget {
public:
    explicit RuleBudget(const QByteArray& rule)
        : m_rule(rule), m_deadline(std::chrono::steady_clock::now() +
                                   std::chrono::milliseconds(kMaxRuleMilliseconds)) {}

    // Looks at the clock every few calls.
    bool isSpent() {
        if (++m_steps % 16 != 0 || std::chrono::steady_clock::now() < m_deadline)
            return false;
        static std::atomic<bool> isLogged = false;
        if (!isLogged.exchange(true))
            qCWarning(lcVdir) << "Stopped expanding the rule" << m_rule << "after"
                              << kMaxRuleMilliseconds << "ms; its later occurrences are left out";
        return true;
    }

private:
    const QByteArray& m_rule;
    std::chrono::steady_clock::time_point m_deadline;
    int m_steps = 0;
};

} // namespace ruvo::platform::vdir
