// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Panel.h"

#include "app/AppLog.h"
#include "platform/linux/XEmbedStatusItem.h"
#include "settings/Keys.h"
#include "views/MainScreen.h"
#include "views/TitleText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>

namespace ruvo::app {

namespace keys = settings::keys;
using namespace std::chrono_literals;

Panel::Panel(AppState& state, std::function<kit::Environment()> environment,
             platform::ColorSchemePreference& colorScheme, views::ShellWindows& windows)
    : m_state(state), m_environment(std::move(environment)), m_windows(windows),
      m_dateEvents(state.scheduler(), [this] { return m_environment().timeZoneId; }, {}) {
    // The locale setting is the program's own locale choice: its changes are date events too.
    m_locale = state.defaults().observe(std::vector<settings::KeyRef>{keys::locale},
                                        [this] { m_dateEvents.notifyLocaleChanged(); });
    m_state.createControllers({m_dateEvents, m_environment, views::titleWidth});
    auto* screen = new views::MainScreen(
        {state.defaults(), state.clockTicks(), state.scheduler(), m_environment});
    m_window = std::make_unique<views::MenuWindow>(state.defaults(), screen);
    m_state.menuBarController().setMenuWindow(m_window.get());
    m_colorScheme = colorScheme.changed.connect([this, &colorScheme] {
        m_state.menuBarController().onAppearanceChanged(colorScheme.prefersDark());
    });
    m_state.menuBarController().onAppearanceChanged(colorScheme.prefersDark());
    m_windows.statusItemCheck = [this] {
        m_visibilityCheck = m_state.scheduler().after(5s, [this] { checkStatusItemShown(); });
    };
    createStatusItem();
}

Panel::~Panel() {
    m_windows.statusItemCheck = nullptr;
}

void Panel::createStatusItem() {
    m_trayItem = platform::makeStatusItem(QStringLiteral("ruvo-clock"), m_painter);
    m_applet.registerOn(QDBusConnection::sessionBus());
    // One clock in the panel: the tray's square steps aside while an applet shows the text.
    QObject::connect(&m_applet.clients(), &platform::PanelAppletClients::shownChanged, &m_applet,
                     [this](bool isShown) {
                         m_trayItem->setPassive(isShown);
                         m_windows.onPanelChanged();
                     });
    m_item = std::make_unique<platform::StatusItemPair>(*m_trayItem, m_applet);
    updateMenu();
    m_item->onMenuEntryChosen([this](const QString& id) { onMenuEntry(id); });
    m_state.menuBarController().attach(*m_item);
}

void Panel::setJoinEntry(const QString& label, std::function<void()> join) {
    m_join = std::move(join);
    if (label == m_joinLabel)
        return;
    m_joinLabel = label;
    updateMenu();
}

void Panel::setNewEventAction(std::function<void()> newEvent) {
    m_newEvent = std::move(newEvent);
    QObject::connect(m_window->mainScreen(), &views::MainScreen::newEventRequested,
                     m_window->mainScreen(), [this] {
                         if (m_newEvent)
                             m_newEvent();
                     });
    updateMenu();
}

void Panel::updateMenu() {
    // Panels that open the item's menu on a click (GNOME) reach everything from here.
    std::vector<platform::StatusMenuEntry> entries;
    if (!m_joinLabel.isEmpty())
        entries.push_back({QStringLiteral("join"), m_joinLabel});
    entries.push_back({QStringLiteral("open"), QCoreApplication::translate("Panel", "Open Ruvo")});
    if (m_newEvent)
        entries.push_back(
            {QStringLiteral("new-event"), QCoreApplication::translate("Panel", "New Event")});
    if (m_openSettings)
        entries.push_back(
            {QStringLiteral("settings"), QCoreApplication::translate("Panel", "Settings…")});
    entries.push_back({QString(), QString()});
    entries.push_back({QStringLiteral("quit"), QCoreApplication::translate("Panel", "Quit Ruvo")});
    m_item->setMenu(entries);
}

void Panel::onMenuEntry(const QString& id) {
    if (id == QLatin1String("join")) {
        if (m_join)
            m_join();
    } else if (id == QLatin1String("new-event")) {
        if (m_newEvent)
            m_newEvent();
    } else if (id == QLatin1String("open"))
        m_state.toggleMenuWindow();
    else if (id == QLatin1String("settings") && m_openSettings)
        m_openSettings();
    else if (id == QLatin1String("quit"))
        QApplication::quit();
}

void Panel::setSettingsOpener(std::function<void()> open) {
    m_openSettings = std::move(open);
    updateMenu();
}

void Panel::checkStatusItemShown() {
    const auto& d = m_state.defaults();
    if (m_item->isShownByHost() || d.get(keys::Zu_NSStatusItem_ensureVisibility_shouldNotShowAgain))
        return;
    qCWarning(lcApp) << "No panel shows the status item";
    d.set(keys::Zu_NSStatusItem_ensureVisibility_shouldNotShowAgain, true);
    m_windows.showTip(
        QCoreApplication::translate("Panel", "Ruvo is running, but no panel shows it"),
        QCoreApplication::translate(
            "Panel", "Your desktop has no area for status icons. On GNOME, turn on the "
                     "AppIndicator extension; on sway or i3, add \"ruvo bar --waybar\" or "
                     "\"ruvo bar --i3bar\" to your bar. This note is shown once."));
}

} // namespace ruvo::app
