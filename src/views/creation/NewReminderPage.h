// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder form of the "New Calendar Item" window: the list, "Remind me" with a day and
// quick day choices, "Time", and the priority. Title and notes belong to the window.
#pragma once

#include "creation/NewItemForms.h"
#include "views/creation/NewItemDependencies.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QTimeEdit;

namespace ruvo::views {

class NewReminderPage : public QWidget {
    Q_OBJECT
public:
    explicit NewReminderPage(const NewItemDependencies& dependencies, QWidget* parent = nullptr);

    // The form as filled in, without title and notes.
    creation::NewReminderForm form() const;

    QCheckBox* remindMeBox() const { return m_remindMe; }
    QCheckBox* timeBox() const { return m_withTime; }
    QDateEdit* dueDateEdit() const { return m_dueDate; }
    QTimeEdit* dueTimeEdit() const { return m_dueTime; }
    QComboBox* priorityBox() const { return m_priority; }
    QComboBox* listBox() const { return m_list; }

private:
    void updateEnabled();

    const NewItemDependencies& m_deps;
    QComboBox* m_list;
    QCheckBox* m_remindMe;
    QDateEdit* m_dueDate;
    QWidget* m_quickDays;
    QCheckBox* m_withTime;
    QTimeEdit* m_dueTime;
    QComboBox* m_priority;
};

} // namespace ruvo::views
