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

// Notes longer than this are shown as written: a real invitation is a few kilobytes, and every
// pass below stays linear only up to the few spots noted where it is quadratic in the worst case.
constexpr qsizetype kMaxCleanedNotesLength = 64 * 1024;

// A Zoom meeting or personal-room link with its query, as invitations write it. The room name
// and the query share characters, so they are matched as runs that never give characters back:
// the same text as "my/[\w-]+[?&=\w.]+", without trying every split of a long word.
QString zoomLinkPattern() {
    return QStringLiteral("https://(?:[\\w-]+\\.)?(?:zoom\\.us|zoom\\.com|zoomgov\\.com)"
                          "/(?:j/\\d[?&=\\w.]++|my/(?>[\\w-]++[?&=.][?&=\\w.]*+|[\\w-]+\\w))");
}

// Lets a match start anywhere except inside a run of `unit` that began before it: a match that
// fails at the start of a run fails at every later point of the same run, and trying them all
// made long runs of spaces or line breaks quadratic. \G keeps a match that starts right where
// the previous one ended.
QString notInsideRunOf(const QString& unit) {
    return QStringLiteral("(?:\\G|(?<!%1)|(?!%1))").arg(unit);
}

std::vector<QRegularExpression> zoomPatterns() {
    const QString z = zoomLinkPattern();
    return {
        compile(QStringLiteral("\\n?\\nJoin Zoom Meeting\\n\\n?") + z),
        compile(QStringLiteral("(?:<br>)?<br>Join Zoom Meeting<br><a [^>]*>") + z +
                QStringLiteral("</a>")),
        compile(QStringLiteral("\\n?\\n(?=[^\\n]*Zoom)[^\\n]*+\\n\\n?") + z),
    };
}

// "<br>…Zoom…<br><a …>link</a>": the nearest "Zoom" and the nearest link after it are taken
// once (atomic groups). A later start can only see fewer of both, so when the first "<br>"
// finds no block there is none further on, and the search stops instead of trying each "<br>".
void removeZoomHtmlBlocks(QString& text) {
    static const QRegularExpression block =
        compile(QStringLiteral("(?:<br>)?<br>(?>[\\s\\S]*?Zoom)(?>[\\s\\S]*?<br><a [^>]*>") +
                zoomLinkPattern() + QStringLiteral("</a>)"));
    for (qsizetype from = text.indexOf(QLatin1String("<br>")); from >= 0;
         from = text.indexOf(QLatin1String("<br>"), from)) {
        const QRegularExpressionMatch m =
            block.match(text, from, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch())
            return;
        text.remove(from, m.capturedLength());
    }
}

// The Google Meet block between its two rules, from the first opening rule to the last
// closing one.
void removeMeetBlock(QString& text) {
    static const QLatin1String open("-::~:~::~:~:~:~:");
    static const QLatin1String close(":~:~:~:~::~:~::-");
    const qsizetype start = text.indexOf(open);
    if (start < 0)
        return;
    const qsizetype last = text.lastIndexOf(close);
    if (last >= start + open.size())
        text.remove(start, last + close.size() - start);
}

std::vector<QRegularExpression> teamsPatterns() {
    const QString t = teamsLinkPattern();
    const QString safeLink =
        QStringLiteral("https?:\\/\\/(?>.*?safelinks\\.protection\\.outlook\\.com)(?>.*?\\?url="
                       "https%3A%2F%2Fteams\\.microsoft\\.com%2Fl%2Fmeetup-join[^ \"<])[^ \"<]*+");
    const QString br = notInsideRunOf(QStringLiteral("<br/>"));
    const QString space = notInsideRunOf(QStringLiteral("\\s"));
    return {
        compile(br +
                QStringLiteral("(?:<b>You're invited to join a Microsoft Teams meeting</b>)?"
                               "(?:<br/>)*+(?:Join on your computer or mobile app)?(?:<br/>)*+"
                               "<a href=\"") +
                t + QStringLiteral("\">Click here to join the meeting</a>(?:<br/>)*")),
        compile(QStringLiteral("\\n?(?:Microsoft Teams meeting\\s+)?(?:Join on your computer or "
                               "mobile app\\s+)?(Click here to join the meeting\\s*)?<") +
                t + QStringLiteral(">\\s*(?:Join with a video conferencing device\\s*)?")),
        compile(space + QStringLiteral("\\s*Click here to join the meeting\\s*<.*?>")),
        compile(br + QStringLiteral("(?:<br/>)*+<a href=\"") + t +
                QStringLiteral("\">[^<]+</a>(?:<br/>)*")),
        compile(space + QStringLiteral("\\s*Microsoft Teams meeting\\s*Join on your computer or "
                                       "mobile app\\s*")),
        compile(space + QStringLiteral("\\s*_{3,}\\s*")),
        compile(safeLink),
    };
}

void removeAll(QString& text, const std::vector<QRegularExpression>& patterns) {
    for (const QRegularExpression& pattern : patterns)
        text.remove(pattern);
}

// The patterns' \s: without Unicode properties it is ASCII whitespace only, so a no-break space
// stays.
bool isPatternSpace(QChar c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// Whitespace and "<br…>" tags at both ends, found by hand: as a pattern the ending half was tried
// from every point of the text, and "<br/>" could be read two ways, which made long runs of tags
// exponential.
QStringView trimmedOfLineBreaks(QStringView text) {
    qsizetype start = 0;
    while (start < text.size()) {
        if (isPatternSpace(text[start])) {
            ++start;
            continue;
        }
        const qsizetype close = text.sliced(start).startsWith(QLatin1String("<br"))
                                    ? text.indexOf(u'>', start + 3)
                                    : -1;
        if (close < 0)
            break;
        start = close + 1;
    }
    qsizetype end = text.size();
    while (end > start) {
        if (isPatternSpace(text[end - 1])) {
            --end;
            continue;
        }
        if (text[end - 1] != u'>')
            break;
        // The tag begins at the first "<br" after the previous '>'.
        const qsizetype previous = text.sliced(start, end - 1 - start).lastIndexOf(u'>');
        const qsizetype from = start + previous + 1;
        const qsizetype tag = text.sliced(from, end - 1 - from).indexOf(QLatin1String("<br"));
        if (tag < 0)
            break;
        end = from + tag;
    }
    return text.sliced(start, end - start);
}

} // namespace

QString cleanedNotes(const QString& notes) {
    if (notes.size() > kMaxCleanedNotesLength)
        return notes;
    static const std::vector<QRegularExpression> zoom = zoomPatterns();
    static const QRegularExpression rules =
        compile(QStringLiteral("^──+|──+$"), QRegularExpression::MultilineOption);
    static const QRegularExpression meetLink = compile(googleMeetLinkPattern());
    static const std::vector<QRegularExpression> teams = teamsPatterns();
    QString text = notes;
    removeAll(text, zoom);
    removeZoomHtmlBlocks(text);
    text.remove(rules);
    text.remove(meetLink);
    removeMeetBlock(text);
    removeAll(text, teams);
    return trimmedOfLineBreaks(text).toString();
}

QString NotesCleaner::cleaned(const QString& notes) {
    if (std::optional<QString> cached = m_cache.find(notes))
        return *cached;
    QString result = cleanedNotes(notes);
    m_cache.insert(notes, result);
    return result;
}

} // namespace ruvo::videocalls
