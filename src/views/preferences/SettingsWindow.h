// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window: the panes in a list on the left, the chosen pane on the right, built
// from the description of preferences/PaneDescription.h. Every change is stored at once.
#pragma once

#include "views/preferences/SettingsServices.h"

#include <QWidget>

class QListWidget;
class QStackedWidget;

namespace ruvo::views {

class ControlRow;

class SettingsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(SettingsServices services, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    // Shows the window on `paneId` (the first pane for an unknown one) and brings it forward.
    void showPane(const QString& paneId);
    QString currentPaneId() const;

    // The row of a control by its key or action name; null when the pane was not built.
    ControlRow* row(const QString& controlId) const;
    QListWidget* paneList() const { return m_list; }

private:
    QWidget* buildPane(std::size_t index);
    void showReasonsOnce();

    SettingsServices m_services;
    QListWidget* m_list;
    QStackedWidget* m_stack;
    std::vector<ControlRow*> m_rows; // in pane order
};

} // namespace ruvo::views
