// SPDX-License-Identifier: GPL-3.0-or-later
// The "New Calendar Item" window: a title, the event or the reminder form (switched with the
// buttons at the top or Control+Tab), notes, and the buttons that add the item, continue it in
// the calendar application or throw it away (after asking, when something was typed).
#pragma once

#include "views/creation/NewEventPage.h"
#include "views/creation/NewReminderPage.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace ruvo::views {

class NewCalendarItemWindow : public QWidget {
    Q_OBJECT
public:
    explicit NewCalendarItemWindow(NewItemDependencies dependencies, QWidget* parent = nullptr);

    bool isShowingReminders() const;
    void showReminders(bool reminders);

    QLineEdit* titleField() const { return m_title; }
    QPlainTextEdit* notesField() const { return m_notes; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* moreSettingsButton() const { return m_moreSettings; }
    QLabel* errorLabel() const { return m_error; }
    QWidget* introduction() const { return m_intro; }
    NewEventPage* eventPage() const { return m_eventPage; }
    NewReminderPage* reminderPage() const { return m_reminderPage; }

    // Adds the item of the form shown; closes the window on success, else shows the error.
    void add();

Q_SIGNALS:
    // The item was saved (its identifier), just before the window closes.
    void itemSaved(const QString& identifier);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeSwitch();
    QWidget* makeIntroduction();
    QWidget* makeButtons();
    void continueInCalendarApplication();
    void finish(const QString& identifier);
    void showError(const QString& text);
    bool hasContent() const;

    NewItemDependencies m_deps;
    QPushButton* m_eventTab;
    QPushButton* m_reminderTab;
    QWidget* m_intro = nullptr;
    QLineEdit* m_title;
    QStackedWidget* m_pages;
    NewEventPage* m_eventPage;
    NewReminderPage* m_reminderPage;
    QPlainTextEdit* m_notes;
    QLabel* m_error;
    QPushButton* m_moreSettings = nullptr;
    QPushButton* m_add = nullptr;
    bool m_isFinished = false;
};

} // namespace ruvo::views
