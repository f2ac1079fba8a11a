// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ImportSummary.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace ruvo::cli {

QString importSummary(const platform::ImportReport& r, const QString& file) {
    const auto count = [](const char* text, qsizetype n) {
        return QCoreApplication::translate("cli", text, nullptr, int(n));
    };
    const QString eventCount = count(QT_TRANSLATE_N_NOOP("cli", "%n event(s)"), r.events);
    const QString reminderCount = count(QT_TRANSLATE_N_NOOP("cli", "%n reminder(s)"), r.reminders);
    //: %1: "2 events", %2: "1 reminder", %3: the file.
    QString text = QCoreApplication::translate("cli", "Imported %1 and %2 from %3")
                       .arg(eventCount, reminderCount, file);
    QStringList details;
    if (r.replaced > 0)
        details << count(QT_TRANSLATE_N_NOOP("cli", "%n replaced an older version(s)"), r.replaced);
    const auto failed = std::count_if(r.notes.begin(), r.notes.end(),
                                      [](const platform::ImportNote& n) { return n.isError; });
    if (const auto skipped = qsizetype(r.notes.size()) - failed; skipped > 0)
        details << count(QT_TRANSLATE_N_NOOP("cli", "%n skipped"), skipped);
    if (failed > 0)
        details << count(QT_TRANSLATE_N_NOOP("cli", "%n failed"), failed);
    if (!details.isEmpty())
        text += QStringLiteral(" (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

} // namespace ruvo::cli
