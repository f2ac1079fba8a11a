// SPDX-License-Identifier: GPL-3.0-or-later
// One control of a pane: its editor bound to its key (or its action), the note under it, and
// the reason it is disabled when another setting decides so.
#pragma once

#include "preferences/PaneDescription.h"
#include "views/preferences/KeyBinding.h"
#include "views/preferences/SettingsServices.h"

#include <QWidget>
#include <memory>

class QLabel;

namespace ruvo::views {

class ControlRow final : public QWidget {
    Q_OBJECT
public:
    ControlRow(const preferences::Control& control, const SettingsServices& services,
               QWidget* parent = nullptr);
    ~ControlRow() override;

    const preferences::Control& control() const { return m_control; }
    QWidget* editor() const { return m_editor; }
    // Shown beside the editor by the pane; empty for a switch, which carries its own label.
    QString label() const;
    QString disabledReason() const;
    // Rows in a run with the same reason show it once, under the first of them.
    void setReasonShown(bool isShown);

Q_SIGNALS:
    // A calendar folder was added: the calendar lists read the store again.
    void calendarsChanged();
    void disabledReasonChanged();

private:
    QWidget* makeEditor();
    QWidget* makeActionEditor();
    QWidget* makeLaunchAtLogin();
    void updateEnabled();

    const preferences::Control& m_control;
    const SettingsServices& m_services;
    std::unique_ptr<KeyBinding> m_binding;
    std::vector<std::unique_ptr<KeyBinding>> m_deciding;
    QWidget* m_editor = nullptr;
    QLabel* m_reason = nullptr;
    QLabel* m_problem = nullptr;
    QString m_disabledReason;
    bool m_isReasonShown = true;
};

} // namespace ruvo::views
