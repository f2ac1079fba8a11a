// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window: a frameless window that the item's click opens under the panel and a
// second click closes; it closes when it loses focus unless it is pinned. It is made once at
// launch and only shown and hidden after that.
#pragma once

#include "menubar/MenuWindowPresenter.h"
#include "settings/Defaults.h"

#include <QElapsedTimer>
#include <QWidget>

namespace ruvo::views {

class MainScreen;

class MenuWindow final : public QWidget, public menubar::MenuWindowPresenter {
    Q_OBJECT
public:
    MenuWindow(const settings::Defaults& defaults, MainScreen* content, QWidget* parent = nullptr);

    MainScreen* mainScreen() const { return m_content; }

    bool isMenuWindowVisible() const override;
    void showMenuWindow(std::optional<QPoint> clickPoint) override;
    void closeMenuWindow() override;

    // Where the window goes on a screen (see MenuWindowPlacement).
    QPoint placement(const QScreen& screen, std::optional<QPoint> clickPoint) const;

Q_SIGNALS:
    void shown();
    void closed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QScreen* screenFor(std::optional<QPoint> clickPoint) const;

    const settings::Defaults& m_defaults;
    MainScreen* m_content;
    QElapsedTimer m_closedByFocusLoss;
};

} // namespace ruvo::views
