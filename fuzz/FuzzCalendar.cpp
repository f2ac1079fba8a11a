// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzInputs.h"
#include "TailReader.h"
#include "platform/linux/VdirCodec.h"
#include "platform/linux/VdirParser.h"
#include "platform/linux/VdirRecurrence.h"
#include "platform/linux/VdirRuleBudget.h"
#include "platform/linux/VdirSnapshot.h"
#include "platform/linux/VdirSnapshotWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>

namespace ruvo::fuzz {

using namespace platform::vdir;

namespace {

// One table for the whole run, as in the program: zones a file defines stay registered.
ZoneTable& zones() {
    static ZoneTable* table = [] {
        auto* t = new ZoneTable;
        t->setCurrentZone(QStringLiteral("Europe/Berlin"));
        return t;
    }();
    return *table;
}

std::optional<ParsedFile> parsed(QByteArrayView bytes) {
    ParseContext context;
    context.calendarIdentifier = QStringLiteral("fuzz");
    context.userAddresses = {QStringLiteral("me@example.org")};
    context.fallbackUid = QStringLiteral("fuzz.ics");
    context.zones = &zones();
    auto result = parseCalendarFile(bytes.toByteArray(), context);
    if (!result)
        return std::nullopt;
    return std::move(*result);
}

bool startsInWindow(const SeriesRecord& series, LocalSeconds from, LocalSeconds to) {
    bool inside = true;
    int taken = 0;
    forEachStart(series, from, to, [&](LocalSeconds t) {
        inside = inside && t >= from && t <= to;
        ++taken;
    });
    const auto rules = static_cast<int>(std::max<std::size_t>(series.rules.size(), 1));
    const auto extra = static_cast<int>(series.rdates.size());
    return inside && taken <= kMaxStartsPerSeries * rules + extra;
}

} // namespace

bool icsFile(QByteArrayView bytes) {
    const auto file = parsed(bytes);
    if (!file)
        return true;
    const QByteArray encoded = encodeParsedFile(*file, zones());
    StringPool pool;
    const auto decoded = decodeParsedFile(encoded, QStringLiteral("fuzz"), zones(), pool);
    return decoded && encodeParsedFile(*decoded, zones()) == encoded;
}

bool recurrence(QByteArrayView bytes) {
    TailReader input(bytes);
    // A window anywhere from 1900 to 2150, from a second to twenty years long.
    const LocalSeconds from = localSeconds(2026, 1, 1) + input.number(-126LL, 124LL) * 365 * 86400 +
                              input.number(0, 365 * 86400);
    const LocalSeconds to = from + input.number(1, 20LL * 365 * 86400);
    const QByteArrayView rest = input.rest();
    const auto file = parsed(rest);
    if (!file)
        return true;
    const SharedRuleTime sharedTime; // the input's expansions, as one query
    for (const SeriesRecord& series : file->series) {
        if (!startsInWindow(series, from, to))
            return false;
        if (const auto next = nextStart(series, from); next && *next < from)
            return false;
    }
    for (std::size_t i = 0; i < file->reminders.size(); ++i)
        nextDue(*file, i, zones(), kit::instantFromMSecs(from * 1000));
    return true;
}

// The snapshot is read from a file: one per process, rewritten for every input.
QString snapshotPath() {
    static const QString path = QDir::temp().filePath(
        QStringLiteral("ruvo-fuzz-%1.snapshot").arg(QCoreApplication::applicationPid()));
    return path;
}

bool decodesOrRefuses(const VdirSnapshot& snapshot, const std::vector<quint32>& files) {
    if (!std::is_sorted(files.begin(), files.end()) ||
        std::adjacent_find(files.begin(), files.end()) != files.end())
        return false;
    StringPool pool;
    for (quint32 index : files)
        if (const auto file = snapshot.file(index))
            decodeParsedFile(file->records, QStringLiteral("fuzz"), zones(), pool);
    return true;
}

// Every folder copied into a new snapshot, as a command does with the folders that did not
// change: either the copy is refused, or what it wrote opens with the same folders.
bool copiesOrRefuses(const VdirSnapshot& old) {
    const QString path = snapshotPath() + QStringLiteral(".copy");
    auto writer = SnapshotWriter::create(path);
    if (!writer)
        return true;
    std::vector<std::optional<quint32>> newFolderOf(old.folders().size());
    for (std::size_t i = 0; i < old.folders().size(); ++i)
        newFolderOf[i] = writer->addFolder(old.folders()[i]);
    if (!writer->copyFolders(old, newFolderOf) || !writer->commit())
        return true;
    const auto copy = VdirSnapshot::open(path);
    return copy && copy->folders().size() == old.folders().size();
}

bool calendarSnapshot(QByteArrayView bytes) {
    TailReader input(bytes);
    const qint64 from = input.number(-(1LL << 40), 1LL << 40);
    const qint64 to = from + input.number(0, 400LL * 86400);
    QFile file(snapshotPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    file.write(input.rest().data(), input.rest().size());
    file.close();
    const auto snapshot = VdirSnapshot::open(snapshotPath());
    if (!snapshot)
        return true;
    return decodesOrRefuses(*snapshot, snapshot->eventFiles(from, to)) &&
           decodesOrRefuses(*snapshot, snapshot->reminderFiles()) && copiesOrRefuses(*snapshot);
}

} // namespace ruvo::fuzz
