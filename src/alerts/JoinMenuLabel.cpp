// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/JoinMenuLabel.h"

#include "alerts/UpcomingText.h"

#include <QCoreApplication>

namespace ruvo::alerts {

QString joinMenuLabel(const QString& title) {
    // A calendar's title may hold line breaks and tabs; a menu entry is one line.
    QString line = title;
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    line = line.simplified();
    if (line.isEmpty())
        return QCoreApplication::translate("ruvo::alerts::JoinMenu", "Join Video Call");
    return QCoreApplication::translate("ruvo::alerts::JoinMenu", "Join %1")
        .arg(shortenedTitle(line, kJoinMenuTitleLimit));
}

} // namespace ruvo::alerts
