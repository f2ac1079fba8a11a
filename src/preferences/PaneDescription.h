// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window as data: its panes in order, each with its controls, each control bound
// to a key of the catalogue by name, or to something the window does itself (launch at login,
// "Add Calendar Folder…", reset all settings). The views build every pane from this table and
// `ruvo settings --describe` prints it, so a new key needs one line in Panes.cpp to appear.
//
// Keys with no control (hiddenKeyNames):
// - the underscore keys ("_useTeamsApp"...): workarounds switched by hand, not settings;
// - the bookkeeping of the application core: the "Zu_" keys and the one-time markers;
// - internal state: sharedTimeZones (a copy of timeZonesInMenu for the program's other
//   processes), newCalendarItemScreenIsShowingReminders (the new-event window's last tab) and
//   eventRules (written by scripts and `ruvo defaults`; no editor yet).
#pragma once

#include "settings/Defaults.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <vector>

namespace ruvo::preferences {

enum class ControlKind {
    toggle,      // a switch; "switch" in the description
    choice,      // one of `choices`
    number,      // a number within the key's range (or the control's)
    text,        // a line of text; empty stores the key's "none" where it has one
    colour,      // an optional colour
    pattern,     // a date-time pattern with its help, warnings and a live preview
    icon,        // the panel icon, each drawn
    sound,       // a sound with a button that plays it
    list,        // a list of texts the user can remove entries from
    days,        // a set of weekdays
    timeRange,   // a start and an end time of day
    font,        // an optional font
    calendars,   // the calendars and reminder lists, grouped by source
    calendarSet, // a chosen subset of the calendars
    timeZones,   // the world-clock entries
    exclusions,  // the exclusion rules and their editor
    shortcut,    // a recorder for one global shortcut
    action,      // a button that does something (`action` names it)
};

QString kindName(ControlKind kind);

struct ChoiceOption {
    QJsonValue value;  // as the catalogue's JSON form stores it
    const char* label; // QT_TRANSLATE_NOOP("SettingsWindow", ...)
};

struct Control {
    QString key;                 // the catalogue key it edits; empty for `action`
    const char* label = nullptr; // QT_TRANSLATE_NOOP("SettingsWindow", ...)
    ControlKind kind = ControlKind::toggle;
    const char* note = nullptr;          // an explanation under the control
    std::vector<ChoiceOption> choices{}; // for `choice`
    const char* section = nullptr;       // a heading above this control
    QString action{};                    // what a keyless control does: "launchAtLogin"...
    double lowest = 0, highest = 0;      // for a number key without a range of its own
    double step = 1;

    // The key, or for a keyless control its action: how the control is found by name.
    QString id() const { return key.isEmpty() ? action : key; }
};

struct Pane {
    QString id; // "general", "panel", ... as `ruvo settings PANE` takes it
    const char* title;
    std::vector<Control> controls;
};

// The window's keyless controls.
namespace actions {
inline const QString kLaunchAtLogin = QStringLiteral("launchAtLogin");
inline const QString kAddCalendarFolder = QStringLiteral("addCalendarFolder");
inline const QString kPreviewNotification = QStringLiteral("previewNotification");
inline const QString kCopyDebugInfo = QStringLiteral("copyDebugInfo");
inline const QString kCrashReports = QStringLiteral("openCrashReports");
inline const QString kResetAll = QStringLiteral("resetAllSettings");
} // namespace actions

const std::vector<Pane>& panes();
const Pane* findPane(const QString& id);
QStringList paneIds();

// A text of the description in the user's language.
QString translated(const char* text);

// The catalogue keys no control edits, by the rules above.
bool isHiddenKey(const QString& name);
// The catalogue keys that neither a control edits nor the rules hide: empty when every
// setting can be reached.
QStringList keysWithoutControl();

// Puts every key a control edits back to its default; the hidden keys (bookkeeping, markers)
// stay as they are.
void resetAllSettings(const settings::Defaults& defaults);

// {"panes":[{"id","title","controls":[{"key","label","kind"}]}]}, texts translated.
QJsonObject describe();

} // namespace ruvo::preferences
