// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/ControlStates.h"

#include "settings/Catalogue.h"
#include "settings/Keys.h"

#include <QCoreApplication>
#include <QLocale>
#include <unicode/dtptngen.h>
#include <unicode/locid.h>

namespace ruvo::preferences {

namespace {

namespace keys = settings::keys;

// A feature switch and the keys that mean nothing while it is off.
struct FeatureSwitch {
    QString switchKey;
    QStringList prefixes; // keys starting with one of these, except the switch itself
    const char* reason;   // QT_TRANSLATE_NOOP("ControlStates", ...)
};

const std::vector<FeatureSwitch>& featureSwitches() {
    static const std::vector<FeatureSwitch> table{
        {keys::upcomingEventInMenuBar_isEnabled.name,
         {QStringLiteral("upcomingEventInMenuBar")},
         QT_TRANSLATE_NOOP("ControlStates",
                           "Used while “Show upcoming event in the panel” is on.")},
        {keys::notifyWhenVideoCallStarts.name,
         {QStringLiteral("notifyForVideoCalls")},
         QT_TRANSLATE_NOOP("ControlStates", "Used while call notifications are on.")},
        {keys::fullscreenNotifications_isEnabled.name,
         {QStringLiteral("fullscreenNotifications_durationBefore"),
          QStringLiteral("fullscreenNotifications_calendars"),
          QStringLiteral("fullscreenNotifications_only"),
          QStringLiteral("fullscreenNotifications_sound")},
         QT_TRANSLATE_NOOP("ControlStates", "Used while full-screen notifications are on.")},
        {keys::hourlyChime_isEnabled.name,
         {QStringLiteral("hourlyChime")},
         QT_TRANSLATE_NOOP("ControlStates", "Used while the hourly chime is on.")},
        {keys::floatingClockIsEnabled.name,
         {QStringLiteral("floatingClock")},
         QT_TRANSLATE_NOOP("ControlStates", "Used while the floating clock is shown.")},
        {keys::showTimeZoneTimeTravelSliderInMenu.name,
         {QStringLiteral("timeTravel")},
         QT_TRANSLATE_NOOP("ControlStates", "Used while time travel is shown.")},
        {keys::showReminders.name,
         {keys::enabledRemindersLists.name, keys::remindersDaysInThePastCount.name},
         QT_TRANSLATE_NOOP("ControlStates", "Used while reminders are shown.")},
    };
    return table;
}

const QStringList& clockSwitches() {
    static const QStringList names{keys::showWeekDayInMenuBar.name,   keys::showDateInMenuBar.name,
                                   keys::showMonthInMenuBar.name,     keys::showTimeInMenuBar.name,
                                   keys::showSecondsInMenuBar.name,   keys::showAmPm.name,
                                   keys::showWeekNumberInMenuBar.name};
    return names;
}

bool matches(const FeatureSwitch& feature, const QString& key) {
    if (key == feature.switchKey)
        return false;
    for (const QString& prefix : feature.prefixes)
        if (key.startsWith(prefix))
            return true;
    return false;
}

} // namespace

std::optional<QString> disabledReason(const QString& key, const settings::Defaults& defaults,
                                      bool uses24Hour) {
    if (clockSwitches().contains(key) && !defaults.get(keys::dateTimeFormat).isEmpty())
        return QCoreApplication::translate("ControlStates",
                                           "Overridden by the “Date & Time Format” setting.");
    if (key == keys::showAmPm.name && uses24Hour)
        return QCoreApplication::translate("ControlStates",
                                           "Disabled because you're using 24-hour time format.");
    for (const FeatureSwitch& feature : featureSwitches()) {
        if (!matches(feature, key))
            continue;
        const auto entry = settings::findCatalogueEntry(feature.switchKey);
        if (entry && !entry->readJson(defaults).toBool())
            return QCoreApplication::translate("ControlStates", feature.reason);
    }
    return std::nullopt;
}

QStringList keysDeciding(const QString& key) {
    QStringList deciding;
    if (clockSwitches().contains(key))
        deciding << keys::dateTimeFormat.name;
    if (key == keys::showAmPm.name)
        deciding << keys::locale.name;
    for (const FeatureSwitch& feature : featureSwitches())
        if (matches(feature, key))
            deciding << feature.switchKey;
    return deciding;
}

bool localeUses24Hour(const QString& localeId) {
    // The locale's preferred hour field: "H" or "k" for 24-hour time, "h" or "K" with a period.
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(localeId.toUtf8().constData());
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status))
        return !QLocale(localeId)
                    .timeFormat(QLocale::ShortFormat)
                    .contains(QLatin1String("ap"), Qt::CaseInsensitive);
    const icu::UnicodeString pattern = generator->getBestPattern(u"j", status);
    return U_SUCCESS(status) && (pattern.indexOf(u'H') >= 0 || pattern.indexOf(u'k') >= 0);
}

} // namespace ruvo::preferences
