// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/creation/NewReminderPage.h"

#include "creation/ReminderChoices.h"
#include "kit/LocalTime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimeEdit>

namespace ruvo::views {

NewReminderPage::NewReminderPage(const NewItemDependencies& dependencies, QWidget* parent)
    : QWidget(parent), m_deps(dependencies), m_list(new QComboBox(this)),
      m_remindMe(new QCheckBox(tr("Remind me"), this)), m_dueDate(new QDateEdit(this)),
      m_quickDays(new QWidget(this)), m_withTime(new QCheckBox(tr("Time"), this)),
      m_dueTime(new QTimeEdit(this)), m_priority(new QComboBox(this)) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    m_list->setAccessibleName(tr("List"));
    m_list->setToolTip(tr("Select the list to save the reminder into"));
    for (const auto& c : m_deps.store.calendars(platform::EntityType::reminder))
        if (c.isWritable)
            m_list->addItem(c.title, c.identifier);
    form->addRow(tr("List:"), m_list);

    const kit::Environment environment = m_deps.environment();
    const QLocale locale(environment.localeId);
    const QDate today = kit::localDate(m_deps.clock.now(), environment.timeZoneId);
    form->addRow(QString(), m_remindMe);
    m_dueDate->setCalendarPopup(true);
    m_dueDate->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
    m_dueDate->setDate(today.addDays(1));
    m_dueDate->setAccessibleName(tr("Due date"));
    form->addRow(tr("Date:"), m_dueDate);
    auto* quick = new QHBoxLayout(m_quickDays);
    quick->setContentsMargins(0, 0, 0, 0);
    for (const auto& choice : creation::dueDayChoices(today)) {
        auto* button = new QPushButton(choice.text, m_quickDays);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, day = choice.day] {
            m_remindMe->setChecked(true);
            m_dueDate->setDate(day);
        });
        quick->addWidget(button);
    }
    form->addRow(QString(), m_quickDays);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(m_withTime);
    timeRow->addWidget(m_dueTime, 1);
    m_dueTime->setDisplayFormat(locale.timeFormat(QLocale::ShortFormat));
    m_dueTime->setTime(QTime(9, 0));
    m_dueTime->setAccessibleName(tr("Due time"));
    form->addRow(QString(), timeRow);
    m_priority->setAccessibleName(tr("Priority"));
    for (const auto& choice : creation::priorityChoices())
        m_priority->addItem(choice.text, choice.priority);
    form->addRow(tr("Priority:"), m_priority);
    connect(m_remindMe, &QCheckBox::toggled, this, &NewReminderPage::updateEnabled);
    connect(m_withTime, &QCheckBox::toggled, this, &NewReminderPage::updateEnabled);
    updateEnabled();
}

void NewReminderPage::updateEnabled() {
    const bool due = m_remindMe->isChecked();
    m_dueDate->setEnabled(due);
    m_withTime->setEnabled(due);
    m_dueTime->setEnabled(due && m_withTime->isChecked());
}

creation::NewReminderForm NewReminderPage::form() const {
    creation::NewReminderForm form;
    form.listIdentifier = m_list->currentData().toString();
    form.useDueDate = m_remindMe->isChecked();
    form.dueDate = m_dueDate->date();
    form.isDueDateWithTime = m_withTime->isChecked();
    form.dueTime = m_dueTime->time();
    form.priority = m_priority->currentData().toInt();
    return form;
}

} // namespace ruvo::views
