// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/alerts/FullscreenOverlay.h"

#include <QGuiApplication>
#include <QScreen>

namespace ruvo::views {

FullscreenOverlay::FullscreenOverlay(alerts::FullscreenAlertController& controller,
                                     std::function<kit::Environment()> environment, QObject* parent)
    : QObject(parent), m_controller(controller), m_environment(std::move(environment)) {
    m_shownChanged = m_controller.shownChanged().connect([this] { onShownChanged(); });
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &FullscreenOverlay::onScreenAdded);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &FullscreenOverlay::onScreenRemoved);
    onShownChanged();
}

FullscreenOverlay::~FullscreenOverlay() = default;

std::vector<FullscreenAlertWindow*> FullscreenOverlay::windows() const {
    std::vector<FullscreenAlertWindow*> result;
    for (QScreen* screen : QGuiApplication::screens())
        if (auto it = m_windows.find(screen); it != m_windows.end())
            result.push_back(it->second.get());
    return result;
}

void FullscreenOverlay::onShownChanged() {
    const auto& shown = m_controller.shown();
    if (!shown) {
        closeAll();
        return;
    }
    const bool isNew = m_windows.empty();
    for (QScreen* screen : QGuiApplication::screens())
        if (!m_windows.count(screen))
            addWindow(screen);
    for (auto& [screen, window] : m_windows)
        window->setShown(*shown);
    if (!isNew)
        return;
    for (auto& [screen, window] : m_windows)
        window->present();
    // The primary screen's window takes the keyboard, so Escape reaches an overlay.
    if (auto it = m_windows.find(QGuiApplication::primaryScreen()); it != m_windows.end())
        it->second->activateWindow();
}

void FullscreenOverlay::addWindow(QScreen* screen) {
    auto window = std::make_unique<FullscreenAlertWindow>(screen, m_environment());
    FullscreenAlertWindow* w = window.get();
    auto& c = m_controller;
    // Queued: a choice closes every window, the one whose button was pressed among them.
    connect(
        w, &FullscreenAlertWindow::joinChosen, this, [&c] { c.joinVideoCall(); },
        Qt::QueuedConnection);
    connect(
        w, &FullscreenAlertWindow::showEventChosen, this, [&c] { c.showEvent(); },
        Qt::QueuedConnection);
    connect(
        w, &FullscreenAlertWindow::snoozeChosen, this,
        [&c](alerts::SnoozeChoice choice) { c.snooze(choice); }, Qt::QueuedConnection);
    connect(
        w, &FullscreenAlertWindow::dismissChosen, this, [&c] { c.dismiss(); },
        Qt::QueuedConnection);
    m_windows.emplace(screen, std::move(window));
}

void FullscreenOverlay::onScreenAdded(QScreen* screen) {
    const auto& shown = m_controller.shown();
    if (!shown || m_windows.empty())
        return;
    addWindow(screen);
    m_windows.at(screen)->setShown(*shown);
    m_windows.at(screen)->present();
}

void FullscreenOverlay::onScreenRemoved(QScreen* screen) {
    if (auto it = m_windows.find(screen); it != m_windows.end()) {
        it->second.release()->deleteLater(); // it may be handling an event of its own
        m_windows.erase(it);
    }
}

void FullscreenOverlay::closeAll() {
    for (auto& [screen, window] : m_windows) {
        window->hide();
        window.release()->deleteLater();
    }
    m_windows.clear();
}

} // namespace ruvo::views
