// SPDX-License-Identifier: GPL-3.0-or-later
// Regular expressions compiled, JIT included, when they are made: the detector's patterns are
// shared by every thread that asks, which then only read them.
#pragma once

#include <QRegularExpression>

namespace ruvo::videocalls {

inline QRegularExpression
compiledRegex(const QString& pattern,
              QRegularExpression::PatternOptions options = QRegularExpression::NoPatternOption) {
    QRegularExpression regex(pattern, options);
    Q_ASSERT_X(regex.isValid(), "compiledRegex", qPrintable(regex.errorString()));
    regex.optimize();
    return regex;
}

} // namespace ruvo::videocalls
