// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the tests.
#pragma once

#include "kit/Time.h"
#include "kit/Translations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QString>
#include <QTimeZone>
#include <QTimer>
#include <ostream>

// Lets test failures print Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace ruvo::test {

// An instant written in ISO 8601 with an offset: at("2026-03-08T01:59:00-05:00").
inline kit::Instant at(const char* iso) {
    const auto t = kit::parseIsoInstant(QString::fromLatin1(iso), QTimeZone("UTC"));
    if (!t)
        qFatal("bad instant in test: %s", iso);
    return *t;
}

inline QString dataPath(const QString& relative) {
    return qEnvironmentVariable("RUVO_TEST_DATA") + QLatin1Char('/') + relative;
}

// Runs Qt's event loop until `done` holds, for the few tests of real timers and watchers.
// The deadline only ends a failing test; passing tests return as soon as `done` holds.
template <typename Predicate> bool processEventsUntil(Predicate done, int deadlineMs = 5000) {
    QDeadlineTimer deadline(deadlineMs);
    QTimer wake; // bounds each wait so the deadline is checked
    wake.start(50);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return done();
}

// The program's translations for `localeId` while it lives, the English ones after. The test
// executable links ruvo_translations.
class ScopedTranslations {
public:
    explicit ScopedTranslations(const QString& localeId) {
        if (!kit::installTranslations(localeId))
            qFatal("no translations for %s in this test", qPrintable(localeId));
    }
    ~ScopedTranslations() { kit::installTranslations(QStringLiteral("en_US")); }
    ScopedTranslations(const ScopedTranslations&) = delete;
    ScopedTranslations& operator=(const ScopedTranslations&) = delete;
};

} // namespace ruvo::test
