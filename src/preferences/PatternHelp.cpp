// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/PatternHelp.h"

#include <QCoreApplication>
#include <QSet>

namespace ruvo::preferences {

QString patternHelpText() {
    return QCoreApplication::translate(
        "PatternHelp",
        "You can use a pattern to define how the date and time should look. For example, to get "
        "“Tue 17 Dec  13:50”, you would use “E d MMM  HH:mm”.\n\nUse the pattern “w” to show "
        "the week number.\n\nWrap text in single-quotes to show the literal text.\n");
}

namespace {

// The letters of `pattern` that are pattern fields: text between single quotes is literal,
// and two quotes in a row stand for one quote.
QSet<QChar> fieldLetters(const QString& pattern) {
    QSet<QChar> letters;
    bool isQuoted = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\''))
            isQuoted = !isQuoted; // "''" toggles twice: a literal quote either way
        else if (!isQuoted && c.isLetter())
            letters.insert(c);
    }
    return letters;
}

} // namespace

QStringList patternWarnings(const QString& pattern) {
    const QSet<QChar> letters = fieldLetters(pattern);
    QStringList warnings;
    if (letters.contains(QLatin1Char('D')))
        warnings << QCoreApplication::translate(
            "PatternHelp", "Beware that “D” means “day of year”. You probably want “d” instead, "
                           "which means “day of month”.");
    if (letters.contains(QLatin1Char('Y')))
        warnings << QCoreApplication::translate(
            "PatternHelp",
            "Beware that “Y” means the year in “week of year” based calendars in which the year "
            "transition occurs on a week boundary. You probably want “y” instead, which is the "
            "normal year.");
    if (letters.contains(QLatin1Char('W')))
        warnings << QCoreApplication::translate(
            "PatternHelp", "Beware that “W” means “week of month”. You probably want “w” "
                           "instead, which means “week of year”.");
    return warnings;
}

} // namespace ruvo::preferences
