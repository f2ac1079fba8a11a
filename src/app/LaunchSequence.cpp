// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LaunchSequence.h"

#include "app/AppLog.h"
#include "kit/Time.h"
#include "settings/Keys.h"
#include "settings/RunOnce.h"

#include <QCoreApplication>

namespace ruvo::app {

namespace keys = settings::keys;
using namespace std::chrono_literals;

QString LaunchSequence::announcementTitle() {
    return QCoreApplication::translate("LaunchSequence",
                                       "Tip: Ruvo can show the upcoming event in the menu bar.");
}

QString LaunchSequence::announcementMessage() {
    return QCoreApplication::translate(
        "LaunchSequence",
        "You can also quickly join the next video call (Zoom, Google Meet, Microsoft "
        "Teams, and more) with a "
        "customizable global keyboard shortcut.\n\nYou can enable these features in the "
        "Ruvo settings.");
}

const QStringList& LaunchSequence::announcementApplications() {
    static const QStringList names{QStringLiteral("gnome-calendar"), QStringLiteral("korganizer"),
                                   QStringLiteral("evolution"), QStringLiteral("zoom"),
                                   QStringLiteral("teams-for-linux")};
    return names;
}

LaunchSequence::LaunchSequence(const settings::Defaults& defaults, kit::Scheduler& scheduler,
                               LaunchServices services)
    : m_defaults(defaults), m_scheduler(scheduler), m_services(services) {}

bool LaunchSequence::recordLaunch() {
    const int count = m_defaults.get(keys::Zu_launchCount) + 1;
    m_defaults.set(keys::Zu_launchCount, count);
    m_isFirstLaunch = count == 1;
    if (m_isFirstLaunch || !m_defaults.get(keys::Zu_firstLaunchDate))
        m_defaults.set(keys::Zu_firstLaunchDate,
                       std::optional<QDateTime>(kit::toQDateTime(m_scheduler.now())));
    return m_isFirstLaunch;
}

void LaunchSequence::runMigrations(const MigrationConverters& converters) {
    app::runMigrations(m_defaults, m_isFirstLaunch, converters);
}

void LaunchSequence::didLaunch(const std::map<QString, std::function<void()>>& shortcutActions) {
    qCInfo(lcApp) << "didLaunch - start";
    if (m_defaults.get(keys::showReminders))
        m_services.calendarAccess.requestRemindersAccess([](bool granted) {
            qCInfo(lcApp) << "Reminders access" << (granted ? "granted" : "denied");
        });
    m_services.calendarAccess.requestEventsAccess([this](bool granted) {
        qCInfo(lcApp) << "Calendar access" << (granted ? "granted" : "denied");
        if (granted && m_eventsAccessGranted)
            m_eventsAccessGranted();
    });
    recordSettingsSnapshot();
    for (const char* name : {"toggleRuvo", "newEvent", "joinMeeting", "toggleFloatingClock"}) {
        const QString shortcut = QString::fromLatin1(name);
        const auto action = shortcutActions.find(shortcut);
        m_services.globalShortcuts.onKeyDown(
            shortcut, action != shortcutActions.end() ? action->second : std::function<void()>{});
    }
    m_services.notificationCategories.setCategories(
        {{QStringLiteral("JOIN_VIDEO_CALL"),
          {{QStringLiteral("JOIN_VIDEO_CALL"),
            //: The action of a video call's notification.
            QCoreApplication::translate("LaunchSequence", "Join")}}}});
    if (m_isFirstLaunch) {
        m_services.windows.showWelcome();
        settings::runOnce(m_defaults,
                          QStringLiteral("ruvoFeatureUpcomingMeetingInMenuBarAnnouncement"), [] {});
    } else {
        settings::runOnce(
            m_defaults, QStringLiteral("ruvoFeatureUpcomingMeetingInMenuBarAnnouncement"), [this] {
                m_announcementCheck =
                    m_scheduler.after(2s, [this] { announceUpcomingEventFeature(); });
            });
    }
    if (!m_isFirstLaunch && m_defaults.get(keys::showMenubarItem))
        m_services.windows.ensureStatusItemVisible();
    settings::runOnce(m_defaults, QStringLiteral("ruvo-5-whats-new"), [this] {
        if (!m_isFirstLaunch)
            m_services.windows.showWhatsNew();
    });
    qCInfo(lcApp) << "didLaunch - end";
}

void LaunchSequence::announceUpcomingEventFeature() {
    const QStringList running = m_services.runningApplications.running(announcementApplications());
    if (running.isEmpty())
        return;
    m_announcementTip = m_scheduler.after(
        1s, [this] { m_services.windows.showTip(announcementTitle(), announcementMessage()); });
}

void LaunchSequence::recordSettingsSnapshot() {
    const auto& d = m_defaults;
    CrashReporter& r = m_services.crashReporter;
    r.setContext(QStringLiteral("locale"),
                 d.get(keys::locale).value_or(QStringLiteral("(system)")));
    const std::pair<QString, bool> switches[] = {
        {keys::showReminders.name, d.get(keys::showReminders)},
        {keys::showCalendarInMenu.name, d.get(keys::showCalendarInMenu)},
        {keys::largeText.name, d.get(keys::largeText)},
        {keys::notifyWhenVideoCallStarts.name, d.get(keys::notifyWhenVideoCallStarts)},
        {keys::upcomingEventInMenuBar_isEnabled.name,
         d.get(keys::upcomingEventInMenuBar_isEnabled)},
        {keys::fullscreenNotifications_isEnabled.name,
         d.get(keys::fullscreenNotifications_isEnabled)},
        {keys::floatingClockIsEnabled.name, d.get(keys::floatingClockIsEnabled)},
        {keys::showMenubarItem.name, d.get(keys::showMenubarItem)},
        {keys::resizableWindowHeight.name, d.get(keys::resizableWindowHeight)},
        {keys::menu_positionedBelowMenuBarItem.name, d.get(keys::menu_positionedBelowMenuBarItem)},
        {keys::showTimeZonesInMenu.name, d.get(keys::showTimeZonesInMenu)},
        {keys::showSecondsInMenuBar.name, d.get(keys::showSecondsInMenuBar)},
        {keys::hourlyChime_isEnabled.name, d.get(keys::hourlyChime_isEnabled)},
    };
    for (const auto& [name, value] : switches)
        r.setContext(name, value ? QStringLiteral("true") : QStringLiteral("false"));
    const std::pair<const char*, std::size_t> counts[] = {
        {"reminderListCount", d.get(keys::enabledRemindersLists).size()},
        {"timeZoneCount", d.get(keys::timeZonesInMenu).size()},
        {"upcomingEventCalendarCount", d.get(keys::upcomingEventInMenuBarCalendars).size()},
        {"fullscreenNotificationsCalendarCount",
         d.get(keys::fullscreenNotifications_calendars).size()},
        {"eventExcludeMatchers_count", d.get(keys::fullscreenNotifications_excludeMatcher).size()},
    };
    for (const auto& [name, value] : counts)
        r.setContext(QString::fromLatin1(name), QString::number(value));
}

} // namespace ruvo::app
