// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/MoreMenu.h"

#include "onboarding/DebugInfo.h"
#include "settings/Keys.h"
#include "views/CalculatorsWindow.h"
#include "views/DesktopSettings.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>
#include <QUrlQuery>

namespace ruvo::views {

namespace keys = settings::keys;

MoreMenu::MoreMenu(const settings::Defaults& defaults,
                   std::function<kit::Environment()> environment, QWidget* parent)
    : QMenu(parent), m_defaults(defaults), m_environment(std::move(environment)) {
    addAction(tr("New Event"), this, &MoreMenu::newEventRequested);
    addSeparator();
    addSystemSettings();
    addPinWindow();
    m_endOfWindowEntries = addSeparator();
    addAction(tr("Calculators…"), this, &MoreMenu::showCalculators);
    addAction(tr("Copy Debug Info"), this,
              [this] { QGuiApplication::clipboard()->setText(debugInfo()); });
    addAction(tr("Send Feedback"), this, [this] {
        QUrl mail(QStringLiteral("mailto:"));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), tr("Ruvo feedback"));
        query.addQueryItem(QStringLiteral("body"), QStringLiteral("\n\n---\n") + debugInfo());
        mail.setQuery(query);
        QDesktopServices::openUrl(mail);
    });
}

void MoreMenu::addSystemSettings() {
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    const auto dateAndTime = settingsCommand(desktop, SettingsPage::dateAndTime);
    const auto region = settingsCommand(desktop, SettingsPage::languageAndRegion);
    if (!dateAndTime && !region)
        return;
    QMenu* system = addMenu(tr("System Settings"));
    if (dateAndTime)
        system->addAction(tr("Date & Time"), this, [c = *dateAndTime] { openSettingsPage(c); });
    if (region)
        system->addAction(tr("Language & Region"), this, [c = *region] { openSettingsPage(c); });
}

void MoreMenu::addPinWindow() {
    QAction* pin = addAction(tr("Pin Window"));
    pin->setCheckable(true);
    connect(pin, &QAction::toggled, this, [this](bool on) { m_defaults.set(keys::pinWindow, on); });
    m_pinned = m_defaults.observe<bool>(keys::pinWindow,
                                        [pin](const settings::KeyChange<bool>& c) {
                                            const QSignalBlocker quiet(pin);
                                            pin->setChecked(c.newValue);
                                        },
                                        {.initial = true});
}

void MoreMenu::showCalculators() {
    if (!m_calculators) {
        m_calculators = new CalculatorsWindow(m_environment);
        m_calculators->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_calculators->show();
    m_calculators->raise();
    m_calculators->activateWindow();
}

void MoreMenu::addWindowSubmenu(QMenu* submenu) {
    insertMenu(m_endOfWindowEntries, submenu);
}

void MoreMenu::setSettingsOpener(std::function<void()> open) {
    QAction* settings = new QAction(tr("Settings…"), this);
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(settings, &QAction::triggered, this, [open = std::move(open)] { open(); });
    insertAction(actions().value(0), settings);
    insertSeparator(actions().value(1));
}

void MoreMenu::addAbout(std::function<void()> showAbout) {
    addSeparator();
    addAction(tr("About Ruvo"), this, [showAbout = std::move(showAbout)] { showAbout(); });
}

void MoreMenu::setPanelHost(std::function<onboarding::PanelHost()> panelHost) {
    m_panelHost = std::move(panelHost);
}

QString MoreMenu::debugInfo() const {
    return onboarding::debugInfo({QGuiApplication::platformName(),
                                  m_panelHost ? m_panelHost() : onboarding::PanelHost{},
                                  m_environment()},
                                 m_defaults);
}

} // namespace ruvo::views
