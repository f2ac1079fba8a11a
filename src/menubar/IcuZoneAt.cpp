// SPDX-License-Identifier: GPL-3.0-or-later
#include "menubar/IcuZoneAt.h"

#include <QTimeZone>
#include <unicode/rbtz.h>
#include <unicode/tzrule.h>

namespace ruvo::menubar {

std::unique_ptr<icu::TimeZone> icuZoneAt(const QString& zoneId, kit::Instant at) {
    const QTimeZone zone(zoneId.toUtf8());
    if (!zone.isValid())
        return std::unique_ptr<icu::TimeZone>(icu::TimeZone::getGMT()->clone());
    const QDateTime when = kit::toQDateTime(at);
    const int total = zone.offsetFromUtc(when);
    const int dst = zone.isDaylightTime(when) ? zone.daylightTimeOffset(when) : 0;
    const icu::UnicodeString id(reinterpret_cast<const UChar*>(zoneId.utf16()),
                                static_cast<int32_t>(zoneId.size()));
    auto* initial = new icu::InitialTimeZoneRule(id, (total - dst) * 1000, dst * 1000);
    auto rules = std::make_unique<icu::RuleBasedTimeZone>(id, initial);
    UErrorCode status = U_ZERO_ERROR;
    rules->complete(status);
    if (U_FAILURE(status))
        return std::unique_ptr<icu::TimeZone>(icu::TimeZone::getGMT()->clone());
    return rules;
}

} // namespace ruvo::menubar
