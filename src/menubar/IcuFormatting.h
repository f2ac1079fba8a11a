// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers around ICU's date formatters for the clock texts: each formatter is made for
// one locale and one zone at one instant.
#pragma once

#include "kit/Environment.h"
#include "kit/IcuText.h"
#include "kit/Time.h"

#include <memory>
#include <unicode/smpdtfmt.h>

namespace ruvo::menubar {

class IcuFormatting {
public:
    IcuFormatting(const kit::Environment& environment, kit::Instant now);

    // The locale's best pattern for `skeleton` ("EdMMM"); null when ICU fails.
    std::unique_ptr<icu::SimpleDateFormat> fromTemplate(const QString& skeleton,
                                                        UDisplayContext context) const;
    // `pattern` taken literally; null when ICU rejects it.
    std::unique_ptr<icu::SimpleDateFormat> fromPattern(const QString& pattern) const;
    // The time style (kShort or kMedium), without AM/PM markers when `withAmPm` is off.
    std::unique_ptr<icu::SimpleDateFormat> timeStyle(icu::DateFormat::EStyle style,
                                                     bool withAmPm) const;

    QString format(const icu::SimpleDateFormat* formatter) const;

    const icu::Locale& locale() const { return m_locale; }
    QString languageCode() const { return QString::fromLatin1(m_locale.getLanguage()); }
    int weekOfYear() const;

private:
    std::unique_ptr<icu::SimpleDateFormat> prepared(icu::SimpleDateFormat* formatter,
                                                    UDisplayContext context) const;

    icu::Locale m_locale;
    std::unique_ptr<icu::TimeZone> m_zone;
    double m_date;
};

} // namespace ruvo::menubar
