// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/videocalls/LocationText.h"

namespace ruvo::videocalls {

namespace {

bool isSeparator(QChar c) {
    return c == u',' || c == u';' || c == u'|';
}

bool isSpaceOrSeparator(QChar c) {
    return c.isSpace() || isSeparator(c);
}

bool isTrailingJunk(QChar c) {
    return isSpaceOrSeparator(c) || c == u'-' || c == u'\u2013';
}

} // namespace

QString withoutRanges(QStringView text,
                      const std::vector<std::pair<qsizetype, qsizetype>>& ranges) {
    QString result;
    result.reserve(text.size());
    qsizetype kept = 0;
    for (const auto& [start, length] : ranges) {
        if (start < kept || start + length > text.size())
            continue;
        result += text.sliced(kept, start - kept);
        kept = start + length;
    }
    result += text.sliced(kept);
    return result;
}

QString collapsedSeparatorRuns(QStringView text) {
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isSpaceOrSeparator(text[i])) {
            result += text[i++];
            continue;
        }
        const qsizetype start = i;
        QChar first;
        int separators = 0;
        for (; i < text.size() && isSpaceOrSeparator(text[i]); ++i) {
            if (isSeparator(text[i]) && separators++ == 0)
                first = text[i];
        }
        if (separators >= 2)
            result += first + QLatin1Char(' ');
        else
            result += text.sliced(start, i - start);
    }
    return result;
}

QString trimmedSeparators(QStringView text) {
    qsizetype start = 0;
    while (start < text.size() && isSpaceOrSeparator(text[start]))
        ++start;
    qsizetype end = text.size();
    while (end > start && isTrailingJunk(text[end - 1]))
        --end;
    return text.sliced(start, end - start).toString();
}

} // namespace ruvo::videocalls
