// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/ShellWindows.h"

#include "views/shell/InfoWindow.h"

#include <QMessageBox>

namespace ruvo::views {

namespace {
void present(QPointer<QWidget>& slot, const InfoContent& content) {
    if (!slot)
        slot = new InfoWindow(content);
    slot->show();
    slot->raise();
    slot->activateWindow();
}
} // namespace

void ShellWindows::showWelcome() {
    present(m_welcome, welcomeContent());
}

void ShellWindows::showWhatsNew() {
    present(m_whatsNew, whatsNewContent());
}

void ShellWindows::showTip(const QString& title, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Information, title, message, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
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
