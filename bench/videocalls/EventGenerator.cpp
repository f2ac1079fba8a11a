// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventGenerator.h"

#include <QRandomGenerator>

namespace ruvo::bench {

namespace {

QString paragraph(QRandomGenerator& random) {
    static const QString lines[] = {
        QStringLiteral("<p>Please review the <b>quarterly figures</b> before we meet; the deck is "
                       "at https://docs.example.com/d/%1/edit?usp=sharing&amp;x=1.</p>"),
        QStringLiteral("<table><tr><td>Owner</td><td>Jane Doe &lt;jane@example.com&gt;</td></tr>"
                       "<tr><td>Room</td><td>Building 4, floor %1</td></tr></table>"),
        QStringLiteral("Dial-in: +1 555 0100 %1 (US Toll) <br/>Meeting ID: 812 3456 7890<br>"),
        QStringLiteral("<a href=\"https://click.pstmrk.it/3s/example.com%2Fnews%2F%1/AbC/dEf\">"
                       "Newsletter</a> · unsubscribe at www.example.org/u/%1"),
        QStringLiteral("Notes from last time: decided on option %1, follow-ups for e.g. the "
                       "roadmap, version 1.2.3 and the file report.pdf.<br><br>"),
    };
    return lines[random.bounded(5)].arg(random.bounded(100000));
}

// Four letters that differ for every i below 26^4.
QString letters(int i) {
    QString code;
    for (int n = 0; n < 4; ++n, i /= 26)
        code += QChar(u'a' + i % 26);
    return code;
}

QString meetingLink(int kind, int i) {
    switch (kind) {
    case 0:
        return QStringLiteral("<br>Join Zoom Meeting<br><a href=\"https://us02web.zoom.us/j/8%1"
                              "?pwd=AbCdEf\">https://us02web.zoom.us/j/8%1?pwd=AbCdEf</a>")
            .arg(100000000 + i);
    case 1:
        return QStringLiteral("<a href=\"https://nam12.safelinks.protection.outlook.com/?url=https"
                              "%3A%2F%2Fteams.microsoft.com%2Fl%2Fmeetup-join%2F19%253ameeting_%1"
                              "%2540thread.v2%2F0&amp;data=05\">Click here to join the meeting</a>")
            .arg(i);
    case 2:
        return QStringLiteral("Join with Google Meet: https://meet.google.com/abc-%1-xyz")
            .arg(letters(i));
    case 3:
        return QStringLiteral("Room: https://acme.whereby.com/team-%1").arg(i);
    default:
        return {};
    }
}

} // namespace

std::vector<videocalls::CallEvent> generateEvents(int count, int notesParagraphs) {
    QRandomGenerator random(20261204);
    std::vector<videocalls::CallEvent> events;
    events.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        videocalls::CallEvent e;
        e.calendarItemIdentifier = QStringLiteral("event-%1").arg(i);
        e.title = QStringLiteral("Meeting %1").arg(i);
        e.location = i % 7 == 0 ? QStringLiteral("Building 4, Room %1").arg(i % 50) : QString();
        QString notes;
        const int linkAt = random.bounded(notesParagraphs);
        for (int p = 0; p < notesParagraphs; ++p) {
            notes += paragraph(random);
            if (p == linkAt)
                notes += meetingLink(i % 6, i);
        }
        e.notes = notes;
        events.push_back(std::move(e));
    }
    return events;
}

} // namespace ruvo::bench
