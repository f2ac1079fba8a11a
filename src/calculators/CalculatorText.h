// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators' results in the user's language: "90 days", "65 working days",
// "Sunday, February 28, 2027".
#pragma once

#include "calculators/DateCalculator.h"

#include <QStringList>
#include <unicode/locid.h>

namespace ruvo::calculators {

// One line each: days, weeks, months, working days.
QStringList intervalLines(const DateInterval& interval, const icu::Locale& locale);

// The day in the locale's full date form, on the proleptic Gregorian calendar that QDate uses.
QString fullDateText(QDate date, const icu::Locale& locale);

} // namespace ruvo::calculators
