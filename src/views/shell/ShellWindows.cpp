// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/ShellWindows.h"

#include "views/shell/AboutWindow.h"
#include "views/shell/FirstRunWindow.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ruvo::views {

namespace {
template <typename Make> void present(QPointer<QWidget>& slot, Make make) {
    if (!slot)
        slot = make();
    slot->show();
    slot->raise();
    slot->activateWindow();
}
} // namespace

void ShellWindows::showWelcome() {
    present(m_welcome, [this] {
        const onboarding::PanelHost host = panelHost ? panelHost() : onboarding::PanelHost{};
        auto* window = new FirstRunWindow(onboarding::firstRunGuide(host), openSettings);
        if (calendarsFound)
            window->showCalendarsFound(calendarsFound());
        return window;
    });
}

void ShellWindows::showWhatsNew() {
    present(m_whatsNew, [this] { return new InfoWindow(whatsNewContent(), openSettings); });
}

void ShellWindows::showAbout() {
    present(m_about, [this] { return new AboutWindow(debugInfo); });
}

FirstRunWindow* ShellWindows::firstRunWindow() const {
    return qobject_cast<FirstRunWindow*>(m_welcome.data());
}

void ShellWindows::onPanelChanged() {
    if (FirstRunWindow* window = firstRunWindow(); window && panelHost)
        window->showPanelGuide(onboarding::firstRunGuide(panelHost()));
}

void ShellWindows::showTip(const QString& title, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Information, title, message, QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Tips point at features the settings turn on: the way there is one click.
    if (openSettings) {
        auto* settings = box->addButton(QCoreApplication::translate("ShellWindows", "Settings…"),
                                        QMessageBox::ActionRole);
        QObject::connect(settings, &QPushButton::clicked, box, [open = openSettings] { open(); });
    }
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
    box->raise();
    box->activateWindow();
}

void ShellWindows::ensureStatusItemVisible() {
    if (statusItemCheck)
        statusItemCheck();
}

} // namespace ruvo::views
