// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/NotesCleaner.h"

#include "events/videocalls/MeetAndTeamsLinks.h"
#include "events/videocalls/Regex.h"

#include <vector>

namespace ruvo::videocalls {

namespace {

QRegularExpression
compile(const QString& pattern,
        QRegularExpression::PatternOptions extra = QRegularExpression::NoPatternOption) {
    QRegularExpression regex(pattern, extra);
    Q_ASSERT_X(regex.isValid(), "cleanedNotes", qPrintable(regex.errorString()));
    return regex;
}

// A Zoom meeting or personal-room link with its query, as invitations write it.
QString zoomLinkPattern() {
    return QStringLiteral("https://(?:[\\w-]+\\.)?(?:zoom\\.us|zoom\\.com|zoomgov\\.com)"
                          "/(?:j/\\d+|my/[\\d\\w-]+)[?&=\\w\\d.]+");
}

std::vector<QRegularExpression> zoomPatterns() {
    const QString z = zoomLinkPattern();
    return {
        compile(QStringLiteral("\\n?\\nJoin Zoom Meeting\\n\\n?") + z),
        compile(QStringLiteral("(?:<br>)?<br>Join Zoom Meeting<br><a [^>]*>") + z +
                QStringLiteral("</a>")),
        compile(QStringLiteral("\\n?\\n[^\\n]*Zoom[^\\n]*\\n\\n?") + z),
        compile(QStringLiteral("(?:<br>)?<br>[\\s\\S]*?Zoom[\\s\\S]*?<br><a [^>]*>") + z +
                QStringLiteral("</a>")),
        compile(QStringLiteral("^──+|──+$"), QRegularExpression::MultilineOption),
    };
}

std::vector<QRegularExpression> meetPatterns() {
    return {
        compile(googleMeetLinkPattern()),
        compile(QStringLiteral("-::~:~::~:~:~:~:.*:~:~:~:~::~:~::-"),
                QRegularExpression::DotMatchesEverythingOption),
    };
}

std::vector<QRegularExpression> teamsPatterns() {
    const QString t = teamsLinkPattern();
    const QString safeLink =
        QStringLiteral("https?:\\/\\/.*?\\.?safelinks\\.protection\\.outlook\\.com.*?\\?url="
                       "https%3A%2F%2Fteams\\.microsoft\\.com%2Fl%2Fmeetup-join[^ \"<]+");
    return {
        compile(QStringLiteral("(?:<b>You're invited to join a Microsoft Teams meeting</b>)?"
                               "(?:<br/>)*(?:Join on your computer or mobile app)?(?:<br/>)*"
                               "<a href=\"") +
                t + QStringLiteral("\">Click here to join the meeting</a>(?:<br/>)*")),
        compile(QStringLiteral("\\n?(?:Microsoft Teams meeting\\s+)?(?:Join on your computer or "
                               "mobile app\\s+)?(Click here to join the meeting\\s*)?<") +
                t + QStringLiteral(">\\s*(?:Join with a video conferencing device\\s*)?")),
        compile(QStringLiteral("\\s*Click here to join the meeting\\s*<.*?>")),
        compile(QStringLiteral("(?:<br/>)*<a href=\"") + t +
                QStringLiteral("\">[^<]+</a>(?:<br/>)*")),
        compile(QStringLiteral(
            "\\s*Microsoft Teams meeting\\s*Join on your computer or mobile app\\s*")),
        compile(QStringLiteral("\\s*_{3,}\\s*")),
        compile(safeLink),
    };
}

const std::vector<QRegularExpression>& boilerplate() {
    static const std::vector<QRegularExpression> all = [] {
        std::vector<QRegularExpression> patterns = zoomPatterns();
        for (auto& p : meetPatterns())
            patterns.push_back(std::move(p));
        for (auto& p : teamsPatterns())
            patterns.push_back(std::move(p));
        return patterns;
    }();
    return all;
}

} // namespace

QString cleanedNotes(const QString& notes) {
    static const QRegularExpression edges =
        compiledRegex(QStringLiteral("^(?:\\s|<br[^>]*/?>)+|(?:\\s|<br[^>]*/?>)+$"));
    QString text = notes;
    for (const QRegularExpression& pattern : boilerplate())
        text.remove(pattern);
    return text.remove(edges);
}

QString NotesCleaner::cleaned(const QString& notes) {
    if (std::optional<QString> cached = m_cache.find(notes))
        return *cached;
    QString result = cleanedNotes(notes);
    m_cache.insert(notes, result);
    return result;
}

} // namespace ruvo::videocalls
