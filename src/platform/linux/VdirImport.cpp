// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirImport.h"

#include "platform/linux/VdirContentLines.h"
#include "platform/linux/VdirFileEdit.h"
#include "platform/linux/VdirFileTimes.h"
#include "platform/linux/VdirWriter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>
#include <QUuid>
#include <set>

namespace ruvo::platform::vdir {

namespace {

using Component = ContentLines::Component;
using ZoneBlocks = std::map<QByteArray, QByteArray>; // TZID to its VTIMEZONE's lines

// Which of two copies of an item is newer: SEQUENCE first, then DTSTAMP.
struct Version {
    int sequence = 0;
    QDateTime stamp; // invalid when the copy has none

    bool isNewerThan(const Version& other) const {
        if (sequence != other.sequence)
            return sequence > other.sequence;
        return stamp.isValid() && (!other.stamp.isValid() || stamp > other.stamp);
    }
};

Version versionOf(const ContentLines& lines, const Component& c) {
    QDateTime stamp =
        QDateTime::fromString(QString::fromLatin1(lines.value(c, "DTSTAMP").trimmed().left(15)),
                              QStringLiteral("yyyyMMdd'T'HHmmss"));
    stamp.setTimeZone(QTimeZone::utc());
    return Version{qMax(lines.value(c, "SEQUENCE").trimmed().toInt(), 0), stamp};
}

// The version of an item: its master's, or for overrides alone the newest of theirs.
Version versionOf(const ContentLines& lines, const std::vector<Component>& components) {
    Version newest;
    for (const Component& c : components) {
        const Version v = versionOf(lines, c);
        if (!lines.property(c, "RECURRENCE-ID"))
            return v;
        if (v.isNewerThan(newest))
            newest = v;
    }
    return newest;
}

// A stranger's text for one line of a message: no line breaks, no terminal escapes.
QString plainText(const QByteArray& value) {
    QString text = QString::fromUtf8(unescapeText(value));
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char(' ');
    return text.simplified();
}

struct Item {
    QString uid;
    QByteArray type; // of its first component
    QString title;
    QByteArray blocks; // its components' lines as the source has them
    std::set<QByteArray> zones;
    Version version; // the master's, or for overrides alone the newest of theirs
    bool hasMaster = false;
};

// `block` with a UID and a DTSTAMP, which every stored VEVENT and VTODO must have.
QByteArray completed(const QByteArray& block, const QString& uid, bool hasUid, kit::Instant now) {
    ContentLines lines(block);
    const auto components = lines.children();
    if (components.empty())
        return block;
    Component c = components.front();
    if (!hasUid)
        c = lines.addProperty(c, "UID:" + uid.toUtf8());
    if (!lines.property(c, "DTSTAMP"))
        lines.addProperty(c, "DTSTAMP:" + icalUtcText(now));
    return lines.text();
}

void addComponent(Item& item, const ContentLines& source, const Component& c, bool hasUid,
                  kit::Instant now) {
    item.blocks += completed(source.rawLines(c.begin, c.end), item.uid, hasUid, now);
    for (int i = c.begin; i <= c.end; ++i)
        if (QByteArray tzid = parameterValue(source.logical(i), "TZID"); !tzid.isEmpty())
            item.zones.insert(tzid);
    const bool isMaster = !source.property(c, "RECURRENCE-ID");
    if (item.hasMaster)
        return;
    const Version v = versionOf(source, c);
    if (isMaster || v.isNewerThan(item.version))
        item.version = v;
    if (isMaster || item.title.isEmpty())
        item.title = plainText(source.value(c, "SUMMARY"));
    item.hasMaster = isMaster;
}

std::vector<Item> collectItems(const ContentLines& source, ZoneBlocks& zones, kit::Instant now) {
    std::vector<Item> items;
    std::map<QString, std::size_t> byUid;
    for (const Component& c : source.children()) {
        if (c.type == "VTIMEZONE") {
            zones[source.value(c, "TZID").trimmed()] = source.rawLines(c.begin, c.end);
            continue;
        }
        if (c.type != "VEVENT" && c.type != "VTODO")
            continue;
        const bool hasUid = source.property(c, "UID").has_value();
        QString uid = QString::fromUtf8(unescapeText(source.value(c, "UID")));
        if (!hasUid || uid.isEmpty())
            uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
        auto [it, isNew] = byUid.emplace(uid, items.size());
        if (isNew)
            items.push_back(Item{uid, c.type, {}, {}, {}, {}, false});
        addComponent(items[it->second], source, c, hasUid, now);
    }
    return items;
}

// `raw` lines ending with `lineBreak`, whatever they ended with.
QByteArray withLineBreaks(const QByteArray& raw, const QByteArray& lineBreak) {
    QByteArray out;
    for (QByteArray line : raw.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            out += line + lineBreak;
    }
    return out;
}

QByteArray newFileText(const Item& item, const ZoneBlocks& zones) {
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Ruvo//Ruvo//EN\r\n";
    for (const QByteArray& tzid : item.zones)
        if (auto zone = zones.find(tzid); zone != zones.end())
            text += withLineBreaks(zone->second, "\r\n");
    return text + withLineBreaks(item.blocks, "\r\n") + "END:VCALENDAR\r\n";
}

std::vector<Component> componentsOf(const ContentLines& lines, const QString& uid) {
    std::vector<Component> found;
    const QByteArray wanted = uid.toUtf8();
    for (const Component& c : lines.children())
        if ((c.type == "VEVENT" || c.type == "VTODO") &&
            unescapeText(lines.value(c, "UID")) == wanted)
            found.push_back(c);
    return found;
}

// Puts the VTIMEZONEs the item needs and the file lacks before the file's first item.
void addMissingZones(ContentLines& lines, const Item& item, const ZoneBlocks& zones) {
    std::set<QByteArray> present;
    int firstItem = -1;
    for (const Component& c : lines.children()) {
        if (c.type == "VTIMEZONE")
            present.insert(lines.value(c, "TZID").trimmed());
        else if (firstItem < 0)
            firstItem = c.begin;
    }
    for (const QByteArray& tzid : item.zones) {
        auto zone = zones.find(tzid);
        if (present.count(tzid) || zone == zones.end() || firstItem < 0)
            continue;
        const int before = lines.lineCount();
        lines.insertRaw(firstItem, withLineBreaks(zone->second, lines.lineBreak()));
        firstItem += lines.lineCount() - before;
    }
}

struct Update {
    enum class Kind { replaced, skipped, gone } kind = Kind::gone;
    Version existing;
};

// The file with the item's components in place of the older ones it holds.
kit::Result<FileChange> updated(const QByteArray& current, const Item& item,
                                const ZoneBlocks& zones, Update& update) {
    ContentLines lines(current);
    const auto existing = componentsOf(lines, item.uid);
    update = Update{existing.empty() ? Update::Kind::gone : Update::Kind::skipped,
                    versionOf(lines, existing)};
    if (existing.empty() || !item.version.isNewerThan(update.existing))
        return FileChange::keep();
    addMissingZones(lines, item, zones);
    const auto old = componentsOf(lines, item.uid);
    const int at = old.front().begin;
    for (auto it = old.rbegin(); it != old.rend(); ++it)
        lines.removeComponent(*it);
    lines.insertRaw(at, withLineBreaks(item.blocks, lines.lineBreak()));
    update.kind = Update::Kind::replaced;
    return FileChange::replace(lines.text());
}

QString stampText(const Version& v) {
    return v.stamp.isValid() ? v.stamp.toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"))
                             : QCoreApplication::translate("VdirImport", "none");
}

QString skipText(const Item& item, const Version& existing) {
    const QString what =
        item.title.isEmpty()
            ? QCoreApplication::translate("VdirImport", "Skipped the item with UID %1")
                  .arg(item.uid)
            : QCoreApplication::translate("VdirImport", "Skipped “%1” (UID %2)")
                  .arg(item.title, item.uid);
    if (existing.sequence != item.version.sequence)
        return what + QStringLiteral(": ") +
               QCoreApplication::translate(
                   "VdirImport",
                   "the calendar has a newer or equal version (SEQUENCE %1; the imported "
                   "copy has %2)")
                   .arg(QString::number(existing.sequence), QString::number(item.version.sequence));
    return what + QStringLiteral(": ") +
           QCoreApplication::translate(
               "VdirImport",
               "the calendar has a newer or equal version (SEQUENCE %1, DTSTAMP %2; the "
               "imported copy has DTSTAMP %3)")
               .arg(QString::number(existing.sequence), stampText(existing),
                    stampText(item.version));
}

QString failureText(const Item& item, const QString& why) {
    const QString what = item.title.isEmpty() ? item.uid : item.title;
    return QCoreApplication::translate("VdirImport", "Could not import “%1” (UID %2): %3")
        .arg(what, item.uid, why);
}

void importItem(const Item& item, ImportTarget& target, const ZoneBlocks& zones,
                ImportReport& report) {
    int& count = item.type == "VTODO" ? report.reminders : report.events;
    if (auto file = target.fileByUid.find(item.uid); file != target.fileByUid.end()) {
        Update update;
        auto done = editFile(
            target.folder + QLatin1Char('/') + file->second,
            [&](const QByteArray& current) { return updated(current, item, zones, update); });
        if (!done)
            return report.notes.push_back({item.uid, failureText(item, done.error()), true});
        if (update.kind == Update::Kind::skipped)
            return report.notes.push_back({item.uid, skipText(item, update.existing), false});
        if (update.kind == Update::Kind::replaced) {
            ++count;
            ++report.replaced;
            return;
        }
        // The file no longer holds the item: it is written anew.
    }
    auto written = writeNewItemFile(target.folder, item.uid, newFileText(item, zones));
    if (!written)
        return report.notes.push_back({item.uid, failureText(item, written.error()), true});
    target.fileByUid[item.uid] = QFileInfo(*written).fileName();
    ++count;
}

} // namespace

kit::Result<ImportReport> importCalendar(const QByteArray& text, ImportTarget& events,
                                         ImportTarget& reminders, kit::Instant now) {
    const ContentLines source(text);
    if (!source.isCalendar())
        return kit::fail(
            QCoreApplication::translate("VdirImport", "The file is not an iCalendar file."));
    ZoneBlocks zones;
    const auto items = collectItems(source, zones, now);
    for (const Item& item : items) {
        const ImportTarget& target = item.type == "VTODO" ? reminders : events;
        if (target.isReadOnly)
            return kit::fail(
                QCoreApplication::translate("VdirImport",
                                            "The calendar “%1” is read-only; nothing was imported.")
                    .arg(target.title));
    }
    ImportReport report;
    for (const Item& item : items)
        importItem(item, item.type == "VTODO" ? reminders : events, zones, report);
    return report;
}

} // namespace ruvo::platform::vdir
