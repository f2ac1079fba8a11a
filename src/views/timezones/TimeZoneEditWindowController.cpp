// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/timezones/TimeZoneEditWindowController.h"

#include "views/timezones/EditTimeZoneScreen.h"

#include <QCoreApplication>

namespace ruvo::views {

TimeZoneEditWindowController::~TimeZoneEditWindowController() {
    for (auto& [id, window] : m_windows)
        delete window;
}

void TimeZoneEditWindowController::open(QUuid entryId) {
    QPointer<QWidget>& window = m_windows[entryId];
    if (!window) {
        auto* screen = new EditTimeZoneScreen(m_defaults, entryId);
        screen->setWindowTitle(
            QCoreApplication::translate("TimeZoneEditWindowController", "Edit Time Zone"));
        screen->setWindowFlag(Qt::WindowStaysOnTopHint);
        screen->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(screen, &EditTimeZoneScreen::entryDeleted, screen, &QWidget::close);
        window = screen;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ruvo::views
