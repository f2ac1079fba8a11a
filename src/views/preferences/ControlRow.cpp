// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/ControlRow.h"

#include "preferences/ControlStates.h"
#include "preferences/LaunchAtLogin.h"
#include "views/preferences/CalendarChecklist.h"
#include "views/preferences/ControlEditors.h"
#include "views/preferences/ExclusionsEditor.h"
#include "views/preferences/IconPicker.h"
#include "views/preferences/PatternField.h"
#include "views/preferences/ShortcutRecorder.h"
#include "views/timezones/TimeZonesSettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

using preferences::ControlKind;
namespace actions = preferences::actions;

ControlRow::ControlRow(const preferences::Control& control, const SettingsServices& services,
                       QWidget* parent)
    : QWidget(parent), m_control(control), m_services(services) {
    if (!control.key.isEmpty())
        m_binding = std::make_unique<KeyBinding>(services.defaults, control.key);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_editor = makeEditor();
    if (!m_editor)
        m_editor = new QLabel(tr("Not available here."), this);
    if (m_editor->accessibleName().isEmpty())
        m_editor->setAccessibleName(preferences::translated(control.label));
    layout->addWidget(m_editor);
    const auto addSmallLabel = [this, layout](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        label->setForegroundRole(QPalette::PlaceholderText);
        layout->addWidget(label);
        return label;
    };
    if (control.note)
        addSmallLabel(preferences::translated(control.note));
    m_reason = addSmallLabel(QString());
    m_problem = addSmallLabel(QString());
    m_problem->hide();
    for (const QString& key : preferences::keysDeciding(control.key)) {
        m_deciding.push_back(std::make_unique<KeyBinding>(services.defaults, key));
        m_deciding.back()->onChange([this](const QJsonValue&) { updateEnabled(); });
    }
    updateEnabled();
}

ControlRow::~ControlRow() = default;

QString ControlRow::label() const {
    const bool carriesItsLabel =
        m_control.kind == ControlKind::toggle || m_control.kind == ControlKind::action;
    return carriesItsLabel ? QString() : preferences::translated(m_control.label);
}

QString ControlRow::disabledReason() const {
    return m_disabledReason;
}

void ControlRow::setReasonShown(bool isShown) {
    m_isReasonShown = isShown;
    m_reason->setHidden(m_disabledReason.isEmpty() || !isShown);
}

void ControlRow::updateEnabled() {
    if (m_control.key.isEmpty())
        return; // no other setting decides an action; its editor says itself when it cannot run
    const auto reason = preferences::disabledReason(
        m_control.key, m_services.defaults,
        preferences::localeUses24Hour(m_services.environment().localeId));
    m_editor->setEnabled(!reason);
    m_editor->setAccessibleDescription(reason.value_or(QString()));
    const QString text = reason.value_or(QString());
    if (text == m_disabledReason)
        return;
    m_disabledReason = text;
    m_reason->setText(text);
    setReasonShown(m_isReasonShown);
    Q_EMIT disabledReasonChanged();
}

QWidget* ControlRow::makeEditor() {
    const QString label = preferences::translated(m_control.label);
    if (!m_binding)
        return m_control.action == actions::kLaunchAtLogin ? makeLaunchAtLogin()
                                                           : makeActionEditor();
    if (!m_binding->isValid())
        return nullptr;
    switch (m_control.kind) {
    case ControlKind::pattern:
        return new PatternField(*m_binding, m_services, label, this);
    case ControlKind::icon:
        return new IconPicker(*m_binding, m_services, label, this);
    case ControlKind::shortcut:
        return new ShortcutRecorder(*m_binding, m_services, label, this);
    case ControlKind::exclusions:
        return new ExclusionsEditor(m_services.defaults, label, this);
    case ControlKind::calendars:
    case ControlKind::calendarSet: {
        const bool isReminders = m_control.key == QLatin1String("enabledRemindersLists");
        auto* list = new CalendarChecklist(*m_binding, m_services,
                                           isReminders ? platform::EntityType::reminder
                                                       : platform::EntityType::event,
                                           label, this);
        connect(this, &ControlRow::calendarsChanged, list, &CalendarChecklist::reload);
        return list;
    }
    case ControlKind::timeZones:
        if (!m_services.places)
            return nullptr;
        return new TimeZonesSettings(m_services.defaults, m_services.clock, *m_services.places,
                                     this);
    default:
        return makeBasicEditor(m_control, *m_binding, m_services, this);
    }
}

QWidget* ControlRow::makeLaunchAtLogin() {
    auto* box = new QCheckBox(preferences::translated(m_control.label), this);
    if (!m_services.launchAtLogin) {
        box->setEnabled(false);
        box->setAccessibleDescription(tr("Not available here."));
        return box;
    }
    box->setChecked(m_services.launchAtLogin->isEnabled());
    connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
        const auto changed = m_services.launchAtLogin->setEnabled(on);
        m_problem->setText(changed ? QString() : changed.error());
        m_problem->setVisible(!changed);
        const QSignalBlocker quiet(box);
        box->setChecked(m_services.launchAtLogin->isEnabled());
    });
    return box;
}

QWidget* ControlRow::makeActionEditor() {
    auto* button = new QPushButton(preferences::translated(m_control.label), this);
    button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(button, &QPushButton::clicked, this, [this] {
        if (m_control.action == actions::kResetAll) {
            const auto answer = QMessageBox::question(
                this, tr("Reset All Settings"),
                tr("Every setting goes back to its default. This cannot be undone."),
                QMessageBox::Reset | QMessageBox::Cancel, QMessageBox::Cancel);
            if (answer == QMessageBox::Reset)
                preferences::resetAllSettings(m_services.defaults);
            return;
        }
        const auto problem = m_services.runAction ? m_services.runAction(m_control.action)
                                                  : std::optional(tr("Not available here."));
        m_problem->setText(problem.value_or(QString()));
        m_problem->setVisible(problem.has_value());
        if (!problem && m_control.action == actions::kAddCalendarFolder)
            Q_EMIT calendarsChanged();
    });
    return button;
}

} // namespace ruvo::views
