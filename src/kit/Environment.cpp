// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Environment.h"

#include "kit/SystemTimeZones.h"

#include <QLocale>

namespace ruvo::kit {

QString normalizedLocaleId(const QString& raw) {
    QString id = raw.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    id.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (id == QLatin1String("C") || id == QLatin1String("POSIX"))
        return {};
    return id;
}

Environment Environment::fromSystem() {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        locale = normalizedLocaleId(qEnvironmentVariable(name));
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty())
        locale = QStringLiteral("en_US");
    return Environment{locale, SystemTimeZones::currentZoneId()};
}

icu::Locale Environment::icuLocale() const {
    return icu::Locale::createCanonical(localeId.toUtf8().constData());
}

void Environment::applyLocaleToProcess() const {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icuLocale(), status);
    QLocale::setDefault(QLocale(localeId));
}

} // namespace ruvo::kit
