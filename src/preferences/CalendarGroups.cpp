// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/CalendarGroups.h"

#include <QDir>

namespace ruvo::preferences {

namespace {

bool holds(const QString& folder, const QString& path) {
    return path == folder ||
           (path.startsWith(folder) && path.at(folder.size()) == QLatin1Char('/'));
}

// The innermost folder holding `source`; none for an account's name or a folder not listed.
const CalendarFolder* folderOf(const QString& source, const std::vector<CalendarFolder>& folders) {
    if (!source.startsWith(QLatin1Char('/')))
        return nullptr;
    const QString path = QDir::cleanPath(source);
    const CalendarFolder* best = nullptr;
    qsizetype bestLength = -1;
    for (const CalendarFolder& f : folders) {
        const QString folder = QDir::cleanPath(f.path);
        if (!folder.startsWith(QLatin1Char('/')) || !holds(folder, path))
            continue;
        if (folder.size() > bestLength) {
            best = &f;
            bestLength = folder.size();
        }
    }
    return best;
}

} // namespace

std::vector<CalendarGroup> groupCalendars(const std::vector<platform::Calendar>& calendars,
                                          platform::EntityType kind,
                                          const std::vector<CalendarFolder>& folders) {
    std::vector<CalendarGroup> groups;
    for (const platform::Calendar& c : calendars) {
        if (c.kind != kind)
            continue;
        const CalendarFolder* folder = folderOf(c.source, folders);
        const QString source = folder ? QDir::cleanPath(folder->path) : c.source;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const CalendarGroup& g) { return g.source == source; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {source, folder && folder->isBuiltIn, {}});
        group->calendars.push_back(c);
    }
    return groups;
}

QString folderTitle(const QString& source, const QString& home) {
    const QString inHome = QDir::cleanPath(home) + QLatin1Char('/');
    if (home.isEmpty() || inHome == QLatin1String("//") || !source.startsWith(inHome))
        return source;
    return QLatin1Char('~') + source.mid(inHome.size() - 1);
}

} // namespace ruvo::preferences
