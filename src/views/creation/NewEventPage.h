// SPDX-License-Identifier: GPL-3.0-or-later
// The event form of the "New Calendar Item" window: location with place completion, all-day,
// start and end, two alerts, link and calendar. Title and notes belong to the window.
#pragma once

#include "creation/AlertChoices.h"
#include "creation/NewItemForms.h"
#include "views/creation/NewItemDependencies.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QCompleter;
class QDateTimeEdit;
class QLineEdit;
class QStandardItemModel;

namespace ruvo::views {

class NewEventPage : public QWidget {
    Q_OBJECT
public:
    explicit NewEventPage(const NewItemDependencies& dependencies, QWidget* parent = nullptr);

    // The form as filled in, without title and notes.
    creation::NewEventForm form() const;

    QLineEdit* locationField() const { return m_location; }
    QCheckBox* allDayBox() const { return m_allDay; }
    QComboBox* alertBox(int which) const { return which == 0 ? m_alert : m_alert2; }
    QComboBox* calendarBox() const { return m_calendar; }
    QLineEdit* urlField() const { return m_url; }
    QDateTimeEdit* startEdit() const { return m_start; }
    QDateTimeEdit* endEdit() const { return m_end; }

private:
    void fillCalendars();
    void fillAlerts();
    std::optional<qint64> chosenOffset(const QComboBox* box) const;
    void onAllDayToggled(bool isAllDay);
    void onStartChanged();
    void onLocationEdited(const QString& text);
    kit::Instant instantOf(const QDateTimeEdit* edit) const;
    void show(QDateTimeEdit* edit, kit::Instant at) const;

    const NewItemDependencies& m_deps;
    QString m_zoneId;
    QLineEdit* m_location;
    QStandardItemModel* m_places;
    QCompleter* m_completer;
    QCheckBox* m_allDay;
    QDateTimeEdit* m_start;
    QDateTimeEdit* m_end;
    QComboBox* m_alert;
    QComboBox* m_alert2;
    QLineEdit* m_url;
    QComboBox* m_calendar;
    std::vector<creation::AlertChoice> m_alertChoices;
    qint64 m_duration = 3600; // kept when the start moves
};

} // namespace ruvo::views
