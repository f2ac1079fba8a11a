// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/IcuFormatting.h"

#include "menubar/MenuBarLog.h"
#include "timezones/SystemZones.h"

#include <unicode/calendar.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>

namespace ruvo::menubar {

namespace {
// The system's rules for the zone (cached for the process), named by ICU through its id.
std::unique_ptr<icu::TimeZone> systemZone(const QString& id) {
    if (const timezones::ZonePtr zone = timezones::SystemZones::zone(id))
        return std::unique_ptr<icu::TimeZone>(zone->clone());
    return std::unique_ptr<icu::TimeZone>(icu::TimeZone::getGMT()->clone());
}
} // namespace

IcuFormatting::IcuFormatting(const kit::Environment& environment, kit::Instant now)
    : m_locale(environment.icuLocale()), m_zone(systemZone(environment.timeZoneId)),
      m_date(kit::toUDate(now)) {}

std::unique_ptr<icu::SimpleDateFormat> IcuFormatting::prepared(icu::SimpleDateFormat* formatter,
                                                               UDisplayContext context) const {
    std::unique_ptr<icu::SimpleDateFormat> owned(formatter);
    if (!owned)
        return owned;
    UErrorCode status = U_ZERO_ERROR;
    owned->setTimeZone(*m_zone);
    owned->setContext(context, status);
    return owned;
}

std::unique_ptr<icu::SimpleDateFormat> IcuFormatting::fromTemplate(const QString& skeleton,
                                                                   UDisplayContext context) const {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(m_locale, status));
    if (U_FAILURE(status))
        return nullptr;
    const icu::UnicodeString pattern = generator->getBestPattern(kit::toIcu(skeleton), status);
    if (U_FAILURE(status))
        return nullptr;
    auto* formatter = new icu::SimpleDateFormat(pattern, m_locale, status);
    if (U_FAILURE(status)) {
        delete formatter;
        return nullptr;
    }
    return prepared(formatter, context);
}

std::unique_ptr<icu::SimpleDateFormat> IcuFormatting::fromPattern(const QString& pattern) const {
    UErrorCode status = U_ZERO_ERROR;
    auto* formatter = new icu::SimpleDateFormat(kit::toIcu(pattern), m_locale, status);
    if (U_FAILURE(status)) {
        delete formatter;
        return nullptr;
    }
    return prepared(formatter, UDISPCTX_CAPITALIZATION_FOR_STANDALONE);
}

std::unique_ptr<icu::SimpleDateFormat> IcuFormatting::timeStyle(icu::DateFormat::EStyle style,
                                                                bool withAmPm) const {
    auto* base = icu::DateFormat::createTimeInstance(style, m_locale);
    auto* simple = dynamic_cast<icu::SimpleDateFormat*>(base);
    if (!simple) {
        delete base;
        return nullptr;
    }
    auto formatter = prepared(simple, UDISPCTX_CAPITALIZATION_FOR_STANDALONE);
    if (!withAmPm) {
        icu::DateFormatSymbols symbols(*formatter->getDateFormatSymbols());
        const icu::UnicodeString empty[2];
        symbols.setAmPmStrings(empty, 2);
        formatter->setDateFormatSymbols(symbols);
    }
    return formatter;
}

QString IcuFormatting::format(const icu::SimpleDateFormat* formatter) const {
    if (!formatter)
        return {};
    icu::UnicodeString out;
    formatter->format(m_date, out);
    return kit::fromIcu(out);
}

int IcuFormatting::weekOfYear() const {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(m_zone->clone(), m_locale, status));
    if (U_FAILURE(status))
        return 0;
    calendar->setTime(m_date, status);
    const int week = calendar->get(UCAL_WEEK_OF_YEAR, status);
    return U_FAILURE(status) ? 0 : week;
}

} // namespace ruvo::menubar
