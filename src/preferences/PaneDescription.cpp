// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/PaneDescription.h"

#include "settings/Catalogue.h"
#include "settings/Keys.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QSet>
#include <array>

namespace ruvo::preferences {

QString kindName(ControlKind kind) {
    static const std::array names{"switch",     "choice",   "number",    "text",        "colour",
                                  "pattern",    "icon",     "sound",     "list",        "days",
                                  "timeRange",  "font",     "calendars", "calendarSet", "timeZones",
                                  "exclusions", "shortcut", "action"};
    return QString::fromLatin1(names.at(static_cast<std::size_t>(kind)));
}

const Pane* findPane(const QString& id) {
    for (const Pane& pane : panes())
        if (pane.id == id)
            return &pane;
    return nullptr;
}

QStringList paneIds() {
    QStringList ids;
    for (const Pane& pane : panes())
        ids << pane.id;
    return ids;
}

QString translated(const char* text) {
    return text ? QCoreApplication::translate("SettingsWindow", text) : QString();
}

bool isHiddenKey(const QString& name) {
    namespace keys = settings::keys;
    static const QStringList internal{keys::sharedTimeZones.name,
                                      keys::newCalendarItemScreenIsShowingReminders.name,
                                      keys::eventRules.name};
    return name.startsWith(QLatin1Char('_')) || name.startsWith(QLatin1String("Zu_")) ||
           internal.contains(name);
}

QStringList keysWithoutControl() {
    QSet<QString> bound;
    for (const Pane& pane : panes())
        for (const Control& control : pane.controls)
            bound.insert(control.key);
    QStringList missing;
    for (const settings::CatalogueEntry& entry : settings::catalogue())
        if (!bound.contains(entry.name) && !isHiddenKey(entry.name))
            missing << entry.name;
    return missing;
}

void resetAllSettings(const settings::Defaults& defaults) {
    for (const settings::CatalogueEntry& entry : settings::catalogue())
        if (!isHiddenKey(entry.name))
            entry.reset(defaults);
}

QJsonObject describe() {
    QJsonArray paneArray;
    for (const Pane& pane : panes()) {
        QJsonArray controls;
        for (const Control& c : pane.controls) {
            QJsonObject control{
                {QStringLiteral("key"), c.key.isEmpty() ? QJsonValue(QJsonValue::Null) : c.key},
                {QStringLiteral("label"), translated(c.label)},
                {QStringLiteral("kind"), kindName(c.kind)}};
            if (!c.action.isEmpty())
                control.insert(QStringLiteral("action"), c.action);
            controls.append(control);
        }
        paneArray.append(QJsonObject{{QStringLiteral("id"), pane.id},
                                     {QStringLiteral("title"), translated(pane.title)},
                                     {QStringLiteral("controls"), controls}});
    }
    return QJsonObject{{QStringLiteral("panes"), paneArray}};
}

} // namespace ruvo::preferences
