// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/CallAlertWindows.h"

#include "views/parts/PlainLabel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace ruvo::views {

namespace {

constexpr int kMargin = 16;
constexpr int kWidth = 340;

} // namespace

CallAlertWindows::~CallAlertWindows() {
    for (auto& [key, window] : m_windows)
        delete window.data();
}

void CallAlertWindows::show(const QString& key, const QString& title, const QString& body) {
    close(key);
    QWidget* window = make(key, title, body);
    m_windows[key] = window;
    place(window);
    window->show();
    window->raise();
}

void CallAlertWindows::close(const QString& key) {
    const auto found = m_windows.find(key);
    if (found == m_windows.end())
        return;
    delete found->second.data();
    m_windows.erase(found);
}

QWidget* CallAlertWindows::window(const QString& key) const {
    const auto found = m_windows.find(key);
    return found == m_windows.end() ? nullptr : found->second.data();
}

QWidget* CallAlertWindows::make(const QString& key, const QString& title, const QString& body) {
    auto* window = new QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    window->setFixedWidth(kWidth);
    auto* layout = new QVBoxLayout(window);
    auto* heading = plainLabel(title, window);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    layout->addWidget(plainLabel(body, window));
    auto* note = plainLabel(
        QCoreApplication::translate("ruvo::views::CallAlertWindows",
                                    "No notification server answered, so Ruvo shows this window."),
        window);
    note->setEnabled(false);
    layout->addWidget(note);
    layout->addLayout(settingsButtons(window, note));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* closeButton = new QPushButton(
        QCoreApplication::translate("ruvo::views::CallAlertWindows", "Close"), window);
    auto* joinButton = new QPushButton(
        QCoreApplication::translate("ruvo::views::CallAlertWindows", "Join"), window);
    joinButton->setDefault(true);
    buttons->addWidget(closeButton);
    buttons->addWidget(joinButton);
    layout->addLayout(buttons);
    QObject::connect(closeButton, &QPushButton::clicked, window, &QWidget::close);
    QObject::connect(joinButton, &QPushButton::clicked, window, [this, key, window] {
        window->close();
        joinChosen.emit(key);
    });
    return window;
}

// The window stays after either: the call still needs joining. A failure takes the note's place.
QLayout* CallAlertWindows::settingsButtons(QWidget* window, QLabel* note) {
    auto* buttons = new QHBoxLayout;
    if (m_openSettings) {
        auto* own = new QPushButton(
            QCoreApplication::translate("ruvo::views::CallAlertWindows", "Open Ruvo Settings"),
            window);
        buttons->addWidget(own);
        QObject::connect(own, &QPushButton::clicked, window, [this] { m_openSettings(); });
    }
    if (m_settings && m_settings->exists()) {
        auto* desktop = new QPushButton(QCoreApplication::translate("ruvo::views::CallAlertWindows",
                                                                    "Open Notification Settings"),
                                        window);
        buttons->addWidget(desktop);
        QObject::connect(desktop, &QPushButton::clicked, window, [this, note] {
            if (const auto opened = m_settings->open(); !opened) {
                note->setText(opened.error());
                note->setEnabled(true);
            }
        });
    }
    buttons->addStretch();
    return buttons;
}

// Below the windows already open, in the upper right corner of the primary screen.
void CallAlertWindows::place(QWidget* window) const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->adjustSize();
    const QRect area = screen->availableGeometry();
    int top = area.top() + kMargin;
    for (const auto& [key, open] : m_windows)
        if (open && open != window && open->isVisible())
            top = std::max(top, open->frameGeometry().bottom() + kMargin);
    window->move(area.right() - kMargin - window->frameGeometry().width(), top);
}

} // namespace ruvo::views
