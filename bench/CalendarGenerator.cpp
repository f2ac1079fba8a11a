// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarGenerator.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <random>

namespace ruvo::bench {

namespace {

constexpr int kVersion = 1;
constexpr int kSpanDays = 3 * 365;

const char* const kZones[] = {"Europe/Berlin", "America/New_York", "Asia/Tokyo",
                              "America/Los_Angeles", "Australia/Sydney"};
const char* const kTopics[] = {"Standup",  "Planning", "Review",    "1:1",      "Lunch",
                               "Retro",    "Sync",     "Interview", "Workshop", "Demo",
                               "Training", "Call",     "Dentist",   "Gym",      "Dinner",
                               "Budget",   "Roadmap",  "Offsite",   "Design",   "Support"};
const char* const kPeople[] = {"Alex", "Sam", "Kim", "Noa", "Ravi", "Mia", "Jon", "Lea",
                               "Ola",  "Ben", "Ana", "Tom", "Eva",  "Li",  "Max", "Zoe"};
const char* const kPlaces[] = {"Room 1", "Room 2", "Cafeteria", "Main office", "", "", ""};
const char* const kDays[] = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

class Writer {
public:
    Writer(const QString& folder, QDate firstDay) : m_folder(folder), m_firstDay(firstDay) {}

    void event(int n) {
        const bool recurring = n % 10 == 0;
        const bool allDay = !recurring && n % 15 == 1;
        const QDate day = m_firstDay.addDays(pick(kSpanDays));
        const int hour = 7 + pick(11);
        const int minute = pick(4) * 15;
        const int minutes = 15 * (1 + pick(8));
        const QString uid = QStringLiteral("gen-%1@bench.ruvo").arg(n);
        QStringList lines{QStringLiteral("BEGIN:VCALENDAR"), QStringLiteral("VERSION:2.0"),
                          QStringLiteral("PRODID:-//Ruvo//bench//EN")};
        QStringList master{QStringLiteral("BEGIN:VEVENT"), QStringLiteral("UID:") + uid,
                           QStringLiteral("DTSTAMP:20250101T000000Z"),
                           QStringLiteral("SUMMARY:") + title()};
        const QString zone = QString::fromLatin1(kZones[pick(5)]);
        const int zoneKind = pick(10); // 0-5 zoned, 6-7 UTC, 8-9 floating
        const QTime time(hour, minute);
        auto stamp = [&](QDate d, QTime t) {
            const QString text = d.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('T') +
                                 t.toString(QStringLiteral("HHmmss"));
            if (zoneKind < 6)
                return QStringLiteral(";TZID=") + zone + QLatin1Char(':') + text;
            return QLatin1Char(':') + text + (zoneKind < 8 ? QStringLiteral("Z") : QString());
        };
        if (allDay) {
            master << QStringLiteral("DTSTART;VALUE=DATE:") +
                          day.toString(QStringLiteral("yyyyMMdd"))
                   << QStringLiteral("DTEND;VALUE=DATE:") +
                          day.addDays(1 + pick(3)).toString(QStringLiteral("yyyyMMdd"));
        } else {
            master << QStringLiteral("DTSTART") + stamp(day, time)
                   << QStringLiteral("DTEND") + stamp(day, time.addSecs(minutes * 60));
        }
        const QString place = QString::fromLatin1(kPlaces[pick(7)]);
        if (!place.isEmpty())
            master << QStringLiteral("LOCATION:") + place;
        if (pick(4) == 0)
            master << QStringLiteral("DESCRIPTION:Agenda in the shared notes.\\nJoin: "
                                     "https://meet.example.com/%1")
                          .arg(n);
        QStringList overrides;
        if (recurring)
            recurrence(n, day, time, minutes, stamp, master, overrides, uid);
        master << QStringLiteral("END:VEVENT");
        lines << master << overrides << QStringLiteral("END:VCALENDAR");
        write(uid, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

private:
    template <typename Stamp>
    void recurrence(int n, QDate day, QTime time, int minutes, const Stamp& stamp,
                    QStringList& master, QStringList& overrides, const QString& uid) {
        QString rule;
        int stepDays = 7;
        switch (n / 10 % 10) {
        case 0:
        case 1:
            rule = QStringLiteral("FREQ=DAILY"), stepDays = 1;
            break;
        case 2:
            rule = QStringLiteral("FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR"), stepDays = 1;
            break;
        case 3:
        case 4:
        case 5:
            rule = QStringLiteral("FREQ=WEEKLY;BYDAY=") + QLatin1String(kDays[day.dayOfWeek() - 1]);
            break;
        case 6:
            rule = QStringLiteral("FREQ=WEEKLY;INTERVAL=2"), stepDays = 14;
            break;
        case 7:
            rule = QStringLiteral("FREQ=MONTHLY;BYDAY=%1%2")
                       .arg((day.day() - 1) / 7 + 1)
                       .arg(QLatin1String(kDays[day.dayOfWeek() - 1]));
            stepDays = 28;
            break;
        case 8:
            rule = QStringLiteral("FREQ=MONTHLY"), stepDays = 28;
            break;
        default:
            rule = QStringLiteral("FREQ=YEARLY"), stepDays = 365;
            break;
        }
        const int end = pick(10);
        if (end < 3)
            rule += QStringLiteral(";COUNT=%1").arg(5 + pick(60));
        else if (end < 6)
            rule += QStringLiteral(";UNTIL=") +
                    day.addDays(30 + pick(330)).toString(QStringLiteral("yyyyMMdd")) +
                    QStringLiteral("T235959Z");
        master << QStringLiteral("RRULE:") + rule;
        if (pick(3) == 0)
            master << QStringLiteral("EXDATE") + stamp(day.addDays(stepDays * (1 + pick(3))), time);
        if (pick(3) == 0 && stepDays == 7) {
            const QDate moved = day.addDays(7 * (1 + pick(3)));
            overrides << QStringLiteral("BEGIN:VEVENT") << QStringLiteral("UID:") + uid
                      << QStringLiteral("DTSTAMP:20250101T000000Z")
                      << QStringLiteral("RECURRENCE-ID") + stamp(moved, time)
                      << QStringLiteral("DTSTART") + stamp(moved, time.addSecs(3600))
                      << QStringLiteral("DTEND") + stamp(moved, time.addSecs(3600 + minutes * 60))
                      << QStringLiteral("SUMMARY:") + title() + QStringLiteral(" (moved)")
                      << (pick(4) == 0 ? QStringLiteral("STATUS:CANCELLED")
                                       : QStringLiteral("STATUS:CONFIRMED"))
                      << QStringLiteral("END:VEVENT");
        }
    }

    QString title() {
        return QString::fromLatin1(kTopics[pick(20)]) + QStringLiteral(" with ") +
               QString::fromLatin1(kPeople[pick(16)]);
    }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    void write(const QString& uid, const QString& text) {
        QFile f(m_folder + QLatin1Char('/') + uid + QStringLiteral(".ics"));
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8());
    }

    QString m_folder;
    QDate m_firstDay;
    std::mt19937 m_random{20261205};
};

} // namespace

GeneratedCalendar generateCalendar(const QString& folder, int eventCount, QDate firstDay) {
    const QString marker = folder + QStringLiteral("/../generated-%1-%2-%3")
                                        .arg(kVersion)
                                        .arg(eventCount)
                                        .arg(firstDay.toString(Qt::ISODate));
    if (QFile::exists(marker))
        return {folder, eventCount};
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QFile(folder + QStringLiteral("/displayname")).open(QIODevice::WriteOnly);
    Writer writer(folder, firstDay);
    for (int n = 0; n < eventCount; ++n)
        writer.event(n);
    QFile(marker).open(QIODevice::WriteOnly);
    return {folder, eventCount};
}

} // namespace ruvo::bench
