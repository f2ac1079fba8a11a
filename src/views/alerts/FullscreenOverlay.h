// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the full-screen alert while the controller has one: one FullscreenAlertWindow per
// screen, following screens that come and go, all closed together. The windows' choices go
// back to the controller; the overlay keeps no state of its own beyond its windows.
#pragma once

#include "alerts/FullscreenAlertController.h"
#include "views/alerts/FullscreenAlertWindow.h"

#include <QObject>
#include <functional>
#include <map>
#include <memory>

class QScreen;

namespace ruvo::views {

class FullscreenOverlay : public QObject {
    Q_OBJECT
public:
    FullscreenOverlay(alerts::FullscreenAlertController& controller,
                      std::function<kit::Environment()> environment, QObject* parent = nullptr);
    ~FullscreenOverlay() override;

    // The windows on screen, in the order of QGuiApplication::screens().
    std::vector<FullscreenAlertWindow*> windows() const;

private:
    void onShownChanged();
    void onScreenAdded(QScreen* screen);
    void onScreenRemoved(QScreen* screen);
    void addWindow(QScreen* screen);
    void closeAll();

    alerts::FullscreenAlertController& m_controller;
    std::function<kit::Environment()> m_environment;
    std::map<QScreen*, std::unique_ptr<FullscreenAlertWindow>> m_windows;
    kit::Subscription m_shownChanged;
};

} // namespace ruvo::views
