// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/creation/NewEventPage.h"

#include "creation/PlaceCompletion.h"
#include "kit/LocalTime.h"
#include "settings/Keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QStandardItemModel>

namespace ruvo::views {

namespace keys = settings::keys;

NewEventPage::NewEventPage(const NewItemDependencies& dependencies, QWidget* parent)
    : QWidget(parent), m_deps(dependencies), m_zoneId(m_deps.environment().timeZoneId),
      m_location(new QLineEdit(this)), m_places(new QStandardItemModel(this)),
      m_completer(new QCompleter(m_places, this)), m_allDay(new QCheckBox(tr("All-day"), this)),
      m_start(new QDateTimeEdit(this)), m_end(new QDateTimeEdit(this)),
      m_alert(new QComboBox(this)), m_alert2(new QComboBox(this)), m_url(new QLineEdit(this)),
      m_calendar(new QComboBox(this)) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    m_location->setPlaceholderText(tr("Location"));
    m_location->setAccessibleName(tr("Location"));
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_location->setCompleter(m_completer);
    connect(m_location, &QLineEdit::textEdited, this, &NewEventPage::onLocationEdited);
    form->addRow(tr("Location:"), m_location);
    form->addRow(QString(), m_allDay);
    for (QDateTimeEdit* edit : {m_start, m_end}) {
        // The edits hold wall-clock values of the environment's zone, kept as UTC so that the
        // process's own zone never shifts them.
        edit->setTimeSpec(Qt::UTC);
        edit->setCalendarPopup(true);
    }
    m_start->setAccessibleName(tr("Starts"));
    m_end->setAccessibleName(tr("Ends"));
    form->addRow(tr("Starts:"), m_start);
    form->addRow(tr("Ends:"), m_end);
    m_alert->setAccessibleName(tr("Alert"));
    m_alert2->setAccessibleName(tr("Second Alert"));
    form->addRow(tr("Alert:"), m_alert);
    form->addRow(tr("Second Alert:"), m_alert2);
    m_url->setPlaceholderText(tr("URL"));
    m_url->setAccessibleName(tr("URL"));
    form->addRow(tr("URL:"), m_url);
    m_calendar->setToolTip(tr("Select the calendar to save the event into"));
    m_calendar->setAccessibleName(tr("Calendar"));
    form->addRow(tr("Calendar:"), m_calendar);

    const double seconds = m_deps.defaults.get(keys::defaultEventDuration).toSeconds();
    const auto times = creation::defaultEventTimes(
        m_deps.clock.now(), m_deps.travelInstant ? m_deps.travelInstant() : std::nullopt,
        qint64(seconds));
    m_duration = std::chrono::duration_cast<kit::Seconds>(times.end - times.start).count();
    show(m_start, times.start);
    show(m_end, times.end);
    onAllDayToggled(false);
    connect(m_allDay, &QCheckBox::toggled, this, &NewEventPage::onAllDayToggled);
    connect(m_start, &QDateTimeEdit::dateTimeChanged, this, &NewEventPage::onStartChanged);
    connect(m_end, &QDateTimeEdit::dateTimeChanged, this, [this] {
        m_duration = std::max<qint64>(
            0, std::chrono::duration_cast<kit::Seconds>(instantOf(m_end) - instantOf(m_start))
                   .count());
    });
    fillCalendars();
}

void NewEventPage::fillCalendars() {
    const auto preferred = m_deps.store.defaultCalendarForNewEvents();
    for (const auto& c : m_deps.store.calendars(platform::EntityType::event)) {
        if (!c.isWritable)
            continue;
        m_calendar->addItem(c.title, c.identifier);
        if (!c.colour.isEmpty())
            m_calendar->setItemData(m_calendar->count() - 1, QColor(c.colour), Qt::DecorationRole);
        if (preferred && preferred->identifier == c.identifier)
            m_calendar->setCurrentIndex(m_calendar->count() - 1);
    }
}

std::optional<qint64> NewEventPage::chosenOffset(const QComboBox* box) const {
    const int i = box->currentIndex();
    if (i < 0 || std::size_t(i) >= m_alertChoices.size())
        return std::nullopt;
    return m_alertChoices[std::size_t(i)].offset;
}

void NewEventPage::fillAlerts() {
    // A choice that the other kind of event also offers stays chosen.
    const auto first = chosenOffset(m_alert);
    const auto second = chosenOffset(m_alert2);
    m_alertChoices = creation::alertChoices(m_allDay->isChecked(), m_deps.environment());
    for (QComboBox* box : {m_alert, m_alert2}) {
        box->clear();
        for (const auto& choice : m_alertChoices)
            box->addItem(choice.text);
    }
    m_alert->setCurrentIndex(creation::choiceIndex(m_alertChoices, first));
    m_alert2->setCurrentIndex(creation::choiceIndex(m_alertChoices, second));
}

void NewEventPage::onAllDayToggled(bool isAllDay) {
    const QLocale locale(m_deps.environment().localeId);
    const QString format = isAllDay ? locale.dateFormat(QLocale::ShortFormat)
                                    : locale.dateTimeFormat(QLocale::ShortFormat);
    for (QDateTimeEdit* edit : {m_start, m_end})
        edit->setDisplayFormat(format);
    fillAlerts();
}

void NewEventPage::onStartChanged() {
    const QSignalBlocker quiet(m_end);
    show(m_end, instantOf(m_start) + kit::Seconds(m_duration));
}

void NewEventPage::onLocationEdited(const QString& text) {
    m_places->clear();
    if (!m_deps.places)
        return;
    for (const auto& completion : creation::placeCompletions(m_deps.places(), text))
        m_places->appendRow(new QStandardItem(completion.locationText()));
    m_completer->complete();
}

kit::Instant NewEventPage::instantOf(const QDateTimeEdit* edit) const {
    const QDateTime wall = edit->dateTime();
    return kit::fromQDateTime(QDateTime(wall.date(), wall.time(), kit::zoneOrUtc(m_zoneId)));
}

void NewEventPage::show(QDateTimeEdit* edit, kit::Instant at) const {
    const QDateTime local = kit::toQDateTime(at).toTimeZone(kit::zoneOrUtc(m_zoneId));
    edit->setDateTime(QDateTime(local.date(), local.time(), Qt::UTC));
}

creation::NewEventForm NewEventPage::form() const {
    creation::NewEventForm form;
    form.location = m_location->text();
    form.isAllDay = m_allDay->isChecked();
    form.start = instantOf(m_start);
    form.end = instantOf(m_end);
    form.alert = chosenOffset(m_alert);
    form.alert2 = chosenOffset(m_alert2);
    form.url = m_url->text();
    form.calendarIdentifier = m_calendar->currentData().toString();
    return form;
}

} // namespace ruvo::views
