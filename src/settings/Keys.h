// SPDX-License-Identifier: GPL-3.0-or-later
// The settings keys as typed constants: settings::keys::showSecondsInMenuBar and so on.
#pragma once

#include "settings/Key.h"
#include "settings/records/ChosenTimeZone.h"
#include "settings/records/Enums.h"
#include "settings/records/EventExcludeMatcher.h"
#include "settings/records/EventRule.h"
#include "settings/records/PlainHourMinuteTime.h"

namespace ruvo::settings {

using OptionalDouble = std::optional<double>;
using OptionalString = std::optional<QString>;
using OptionalUuid = std::optional<QUuid>;
using OptionalDate = std::optional<QDateTime>;
using OptionalColor = std::optional<Rgba>;
using OptionalFont = std::optional<FontDescriptor>;
using StringSet = std::set<QString>;
using StringList = std::vector<QString>;
using DayOfWeekSet = std::set<DayOfWeek>;
using TimeZoneList = std::vector<ChosenTimeZone>;
using ExcludeMatcherList = std::vector<EventExcludeMatcher>;
using EventRuleList = std::vector<EventRule>;

namespace keys {

#define RUVO_KEY(Type, name, ...) inline const Key<Type> name{QStringLiteral(#name), __VA_ARGS__};
#define RUVO_SHARED_KEY(Type, name, ...)                                                           \
    inline const Key<Type> name{QStringLiteral(#name), __VA_ARGS__, SuiteId::sharedGroup};
#define RUVO_NAMED_KEY(Type, ident, stored, ...)                                                   \
    inline const Key<Type> ident{QStringLiteral(stored), __VA_ARGS__};
#define RUVO_RANGED_KEY(Type, name, value, lowest, highest)                                        \
    inline const Key<Type> name{QStringLiteral(#name), value, SuiteId::standard,                   \
                                ValueRange{lowest, highest}};
#include "settings/KeyList.h"
#undef RUVO_RANGED_KEY
#undef RUVO_KEY
#undef RUVO_SHARED_KEY
#undef RUVO_NAMED_KEY

} // namespace keys

// The prefix under which one-time markers are kept.
inline QString runOnceKeyName(const QString& marker) {
    return QStringLiteral("Zu_App_runOnce__") + marker;
}

} // namespace ruvo::settings
