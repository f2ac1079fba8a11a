// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirReply.h"

#include "platform/linux/VdirEditParts.h"
#include "platform/linux/VdirIcal.h"

#include <QCoreApplication>
#include <algorithm>

namespace ruvo::platform::vdir {

namespace {

using Component = ContentLines::Component;

QString translate(const char* text) {
    return QCoreApplication::translate("VdirReply", text);
}

QByteArray attendeeAddress(const QByteArray& logicalLine) {
    QByteArray address = propertyValue(logicalLine).trimmed().toLower();
    if (address.startsWith("mailto:"))
        address = address.mid(7);
    return address;
}

// Sets PARTSTAT on the user's ATTENDEE lines of `c`; false when it has none.
bool answer(ContentLines& lines, const Component& c, const QStringList& addresses,
            const QByteArray& partstat) {
    bool isAnswered = false;
    for (int line : lines.properties(c, "ATTENDEE")) {
        const QByteArray logical = lines.logical(line);
        if (!addresses.contains(QString::fromUtf8(attendeeAddress(logical))))
            continue;
        lines.replaceLine(line, withParameter(logical, "PARTSTAT", partstat));
        isAnswered = true;
    }
    return isAnswered;
}

// Answers every component in `components`, the last first so the others' lines stay put.
bool answerAll(ContentLines& lines, const std::vector<Component>& components,
               const QStringList& addresses, const QByteArray& partstat, kit::Instant now) {
    bool isAnswered = false;
    for (auto it = components.rbegin(); it != components.rend(); ++it) {
        if (answer(lines, *it, addresses, partstat)) {
            touch(lines, *it, now, false);
            isAnswered = true;
        }
    }
    return isAnswered;
}

// How long the series' occurrences last, as a DURATION line: the master's own, or its DTEND
// less its DTSTART.
std::optional<QByteArray> durationLine(const ContentLines& lines, const Component& master,
                                       const FileTimes& times) {
    if (const auto line = lines.property(master, "DURATION"))
        return lines.logical(*line);
    const auto startLine = lines.property(master, "DTSTART");
    const auto endLine = lines.property(master, "DTEND");
    if (!startLine || !endLine)
        return std::nullopt;
    const PropertyPtr start = readProperty(lines.logical(*startLine));
    const PropertyPtr end = readProperty(lines.logical(*endLine));
    if (!start || !end)
        return std::nullopt;
    const auto utcOf = [&](icaltimetype t, int line) {
        return times.toUtc(t, QString::fromUtf8(parameterValue(lines.logical(line), "TZID")));
    };
    const icaltimetype s = icalproperty_get_dtstart(start.get());
    const icaltimetype e = icalproperty_get_dtend(end.get());
    if (s.is_date && e.is_date)
        return "DURATION:P" +
               QByteArray::number((icaltime_as_timet(e) - icaltime_as_timet(s)) / 86400) + 'D';
    const qint64 seconds = std::max<qint64>(0, utcOf(e, *endLine) - utcOf(s, *startLine));
    return "DURATION:PT" + QByteArray::number(seconds) + 'S';
}

// The override of the occurrence at `utc`, made from the series: its lines without the rules,
// with that occurrence's start and RECURRENCE-ID, as raw text.
kit::Result<QByteArray> overrideText(const ContentLines& lines, const Component& master,
                                     const FileTimes& times, UtcSeconds utc) {
    const auto start = timeLineLike(lines, master, times, utc, "DTSTART");
    const auto rid = timeLineLike(lines, master, times, utc, "RECURRENCE-ID");
    const auto duration = durationLine(lines, master, times);
    if (!start || !rid)
        return kit::fail(translate("The event has no readable start."));
    ContentLines copy(lines.rawLines(master.begin, master.end));
    Component c = copy.children().front();
    for (const char* name : {"RRULE", "RDATE", "EXRULE", "EXDATE", "DTEND", "DURATION"})
        c = copy.removeProperties(c, name);
    c = copy.setProperty(c, *start);
    if (duration)
        c = copy.setProperty(c, *duration);
    copy.setProperty(c, *rid);
    return copy.text();
}

struct Answer {
    QString uid;
    std::optional<UtcSeconds> occurrence;
    const QStringList& addresses;
    QByteArray partstat;
    kit::Instant now;
};

kit::Result<FileChange> answered(const QByteArray& current, const QString& file, const Answer& a,
                                 ZoneTable& zones) {
    ContentLines lines(current);
    auto events = itemComponents(lines, "VEVENT", a.uid, file);
    if (events.empty())
        return kit::fail(translate("No event %1 in %2.").arg(a.uid, file));
    const auto master = std::find_if(events.begin(), events.end(), [&](const Component& c) {
        return !lines.property(c, "RECURRENCE-ID");
    });
    const bool isSeries = master != events.end() ? hasRule(lines, *master) : true;
    if (a.occurrence && isSeries) {
        if (!hasOccurrence(current, a.uid, *a.occurrence, zones, file))
            return kit::fail(
                translate("The event %1 has no occurrence at that time in %2.").arg(a.uid, file));
        const ComponentPtr root(icalparser_parse_string(current.constData()));
        const FileTimes times(root.get(), zones);
        auto overrides = overridesAt(lines, events, times, *a.occurrence);
        if (overrides.empty() && master != events.end()) {
            auto text = overrideText(lines, *master, times, *a.occurrence);
            if (!text)
                return kit::fail(text.error());
            const int at = master->end + 1;
            const int count = ContentLines(*text).lineCount();
            lines.insertRaw(at, *text);
            overrides = {Component{"VEVENT", at, at + count - 1}};
        }
        events = std::move(overrides);
    }
    if (!answerAll(lines, events, a.addresses, a.partstat, a.now))
        return kit::fail(translate("You are not among the attendees of %1: none of them has an "
                                   "address of this calendar.")
                             .arg(a.uid));
    return finishEdit(lines, current);
}

} // namespace

QByteArray partstatValue(ParticipantStatus status) {
    switch (status) {
    case ParticipantStatus::accepted:
        return "ACCEPTED";
    case ParticipantStatus::declined:
        return "DECLINED";
    case ParticipantStatus::tentative:
        return "TENTATIVE";
    case ParticipantStatus::delegated:
        return "DELEGATED";
    default:
        return "NEEDS-ACTION";
    }
}

kit::Result<void> replyToEvent(const QString& file, const QString& uid,
                               std::optional<kit::Instant> occurrence, const QStringList& addresses,
                               ParticipantStatus status, ZoneTable& zones, kit::Instant now) {
    std::optional<UtcSeconds> utc;
    if (occurrence)
        utc = kit::msecsSinceEpoch(*occurrence) / 1000;
    const Answer a{uid, utc, addresses, partstatValue(status), now};
    return editFile(file,
                    [&](const QByteArray& current) { return answered(current, file, a, zones); });
}

} // namespace ruvo::platform::vdir
