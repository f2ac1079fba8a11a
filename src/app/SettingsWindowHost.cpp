// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsWindowHost.h"

#include "alerts/SoundCatalogue.h"
#include "app/AppLog.h"
#include "kit/Log.h"
#include "platform/linux/VdirSourceList.h"
#include "platform/linux/VdirSources.h"
#include "preferences/PaneDescription.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QUrl>

namespace ruvo::app {

namespace {
const QString kAlertsPane = QStringLiteral("alerts");
} // namespace

namespace actions = preferences::actions;

SettingsWindowHost::SettingsWindowHost(AppState& state, Panel& panel,
                                       const platform::ShortcutConflicts* conflicts)
    : m_state(state), m_panel(panel), m_conflicts(conflicts),
      m_launchAtLogin(preferences::LaunchAtLogin::defaultFolder(),
                      QCoreApplication::applicationFilePath()) {}

SettingsWindowHost::~SettingsWindowHost() {
    delete m_window;
}

void SettingsWindowHost::show(const QString& pane) {
    if (!m_window) {
        m_window = new views::SettingsWindow(services());
        m_window->setAttribute(Qt::WA_DeleteOnClose); // made again, fresh, on the next open
        QObject::connect(m_window->paneList(), &QListWidget::currentRowChanged, m_window,
                         [this] { showPlaceholder(m_window->currentPaneId() == kAlertsPane); });
        QObject::connect(m_window, &QObject::destroyed, [this] { showPlaceholder(false); });
    }
    qCInfo(lcApp) << "Settings window on" << (pane.isEmpty() ? QStringLiteral("general") : pane);
    m_window->showPane(pane);
    showPlaceholder(m_window->currentPaneId() == kAlertsPane);
}

// While the alerts pane is open the upcoming event's item shows its placeholder, so the user
// sees where it sits in the panel (and can move it there) even with no event near.
void SettingsWindowHost::showPlaceholder(bool shouldShow) {
    if (auto* upcoming = m_state.upcomingEventController())
        upcoming->setShouldShowUpcomingEventPlaceholder(shouldShow);
}

views::SettingsServices SettingsWindowHost::services() {
    views::SettingsServices s{m_state.defaults(), m_state.scheduler(), m_panel.environment()};
    s.places = &m_state.places();
    s.calendars = [this] {
        auto all = m_state.calendarStore().calendars(platform::EntityType::event);
        for (auto& list : m_state.calendarStore().calendars(platform::EntityType::reminder))
            all.push_back(std::move(list));
        return all;
    };
    s.calendarFolders = [this] {
        std::vector<preferences::CalendarFolder> folders{
            {platform::vdir::defaultStoreDirectory(), true}};
        const platform::vdir::VdirSourceList sources(m_state.settingsFiles().folder());
        if (auto added = sources.sources())
            for (const platform::CalendarSource& source : *added)
                folders.push_back({source.location, false});
        return folders;
    };
    s.shortcutConflicts = m_conflicts;
    s.launchAtLogin = &m_launchAtLogin;
    s.playSound = [this](const std::optional<QString>& sound, double volume) {
        alerts::playSound(m_state.soundPlayer(), sound, volume);
    };
    s.sounds = [] {
        std::vector<std::pair<QString, QString>> all;
        for (const QStringList& names :
             {alerts::applicationSoundNames(), alerts::systemSoundNames()})
            for (const QString& stored : names)
                if (const auto sound = alerts::soundNamed(stored))
                    all.emplace_back(stored, alerts::soundDisplayName(*sound));
        return all;
    };
    s.runAction = [this](const QString& action) { return runAction(action); };
    return s;
}

std::optional<QString> SettingsWindowHost::runAction(const QString& action) {
    if (action == actions::kAddCalendarFolder)
        return addCalendarFolder();
    if (action == actions::kCopyDebugInfo && m_debugInfo) {
        QGuiApplication::clipboard()->setText(m_debugInfo());
        return std::nullopt;
    }
    if (action == actions::kCrashReports) {
        const QString folder = kit::stateDirectory() + QStringLiteral("/crashes");
        QDir().mkpath(folder);
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        return std::nullopt;
    }
    if (action == actions::kPreviewNotification) {
        if (auto* alerts = m_state.fullscreenAlerts()) {
            alerts->preview();
            return std::nullopt;
        }
        return QCoreApplication::translate("SettingsWindowHost",
                                           "Full-screen notifications are not available.");
    }
    return QCoreApplication::translate("SettingsWindowHost", "Not available here.");
}

std::optional<QString> SettingsWindowHost::addCalendarFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        m_window, QCoreApplication::translate("SettingsWindowHost", "Add Calendar Folder"));
    if (folder.isEmpty())
        return std::nullopt;
    platform::vdir::VdirSourceList sources(m_state.settingsFiles().folder());
    if (auto added = sources.add({folder, {}, false}); !added)
        return added.error();
    m_state.calendarStore().refreshSourcesIfNecessary();
    return std::nullopt;
}

} // namespace ruvo::app
