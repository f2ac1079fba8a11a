// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirSourceList.h"

#include "platform/linux/VdirSources.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ruvo::platform::vdir {

VdirSourceList::VdirSourceList(const QString& configDirectory)
    : m_file(sourcesFilePath(configDirectory)) {}

kit::Result<std::vector<CalendarSource>> VdirSourceList::sources() const {
    auto listed = readSources(m_file);
    if (!listed)
        return kit::fail(listed.error());
    std::vector<CalendarSource> result;
    for (const VdirSource& s : *listed)
        result.push_back({s.path, s.emails, s.isReadOnly});
    return result;
}

kit::Result<void> VdirSourceList::add(const CalendarSource& source) {
    const QString folder = QFileInfo(source.location).absoluteFilePath();
    if (!QFileInfo(folder).isDir())
        return kit::fail(QCoreApplication::translate("ruvo", "%1 is not a folder").arg(folder));
    if (discoverCollections(QString(), {{folder, {}}}).empty())
        return kit::fail(QCoreApplication::translate(
                             "ruvo", "%1 holds no calendar (no .ics files, no displayname or "
                                     "color file, in it or in its subfolders)")
                             .arg(folder));
    auto listed = readSources(m_file);
    if (!listed)
        return kit::fail(listed.error());
    std::erase_if(listed.value(), [&](const VdirSource& s) { return s.path == folder; });
    listed.value().push_back({folder, source.emails, source.isReadOnly});
    return writeSources(m_file, *listed);
}

kit::Result<bool> VdirSourceList::remove(const QString& location) {
    const QString folder = QFileInfo(location).absoluteFilePath();
    auto listed = readSources(m_file);
    if (!listed)
        return kit::fail(listed.error());
    const auto before = listed->size();
    std::erase_if(listed.value(), [&](const VdirSource& s) {
        return s.path == folder || s.path == QFileInfo(folder).absolutePath();
    });
    if (listed->size() == before)
        return false;
    if (auto written = writeSources(m_file, *listed); !written)
        return kit::fail(written.error());
    return true;
}

} // namespace ruvo::platform::vdir
