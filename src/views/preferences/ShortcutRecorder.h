// SPDX-License-Identifier: GPL-3.0-or-later
// Records one global shortcut: click (or Space) to record, then press the combination.
// Escape cancels, Backspace or Delete removes the shortcut. A combination the desktop or
// Ruvo's own windows use is refused with the reason shown under the recorder.
#pragma once

#include "views/preferences/KeyBinding.h"
#include "views/preferences/SettingsServices.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace ruvo::views {

class ShortcutRecorder final : public QWidget {
    Q_OBJECT
public:
    ShortcutRecorder(KeyBinding& binding, const SettingsServices& services, const QString& label,
                     QWidget* parent = nullptr);

    QPushButton* button() const { return m_button; }
    bool isRecording() const { return m_isRecording; }
    QString refusal() const;

    // What a key press while recording does; public for the keyboard's path and for tests.
    void record(QKeyCombination keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setRecording(bool on);
    void showStored();

    KeyBinding& m_binding;
    const SettingsServices& m_services;
    QPushButton* m_button;
    QPushButton* m_clear;
    QLabel* m_refusal;
    bool m_isRecording = false;
};

} // namespace ruvo::views
