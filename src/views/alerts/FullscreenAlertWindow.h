// SPDX-License-Identifier: GPL-3.0-or-later
// The full-screen alert on one screen: a frameless window above all others that covers the
// screen and names the event, with "Join Video Call", "Show Event", the snooze menu and
// "Dismiss". Escape dismisses. Titles and places are shown as plain text. The window only
// reports what the user chose; FullscreenOverlay acts on it.
#pragma once

#include "alerts/FullscreenAlertController.h"
#include "kit/Environment.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QPropertyAnimation;

namespace ruvo::views {

class FullscreenAlertWindow : public QWidget {
    Q_OBJECT
public:
    FullscreenAlertWindow(QScreen* screen, const kit::Environment& environment);

    void setShown(const alerts::FullscreenAlertShown& shown);
    // Covers the screen and fades in.
    void present();

    QPushButton* joinButton() const { return m_join; }
    QPushButton* showEventButton() const { return m_showEvent; }
    QPushButton* snoozeButton() const { return m_snooze; }
    QPushButton* dismissButton() const { return m_dismiss; }

Q_SIGNALS:
    void joinChosen();
    void showEventChosen();
    void snoozeChosen(ruvo::alerts::SnoozeChoice choice);
    void dismissChosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    QPushButton* makeButton(const QString& text);
    QString timeText(const platform::Event& event) const;

    kit::Environment m_environment;
    QLabel* m_title = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_location = nullptr;
    QLabel* m_error = nullptr;
    QPushButton* m_join = nullptr;
    QPushButton* m_showEvent = nullptr;
    QPushButton* m_snooze = nullptr;
    QPushButton* m_dismiss = nullptr;
    QPropertyAnimation* m_fade = nullptr;
};

} // namespace ruvo::views
