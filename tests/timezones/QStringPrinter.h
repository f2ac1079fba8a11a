// SPDX-License-Identifier: GPL-3.0-or-later
// Prints QStrings as text in test failures.
#pragma once

#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
