// SPDX-License-Identifier: GPL-3.0-or-later
// Where the current locale and time zone come from. The program reads the system's once at
// start; the `locale` setting and the command line's --locale and --time-zone override them.
// Everything that formats or converts dates asks this object, never the process globals.
#pragma once

#include <QString>
#include <unicode/locid.h>

namespace ruvo::kit {

struct Environment {
    QString localeId;   // ICU form, "en_US", "de_DE", "sr_Latn_RS"
    QString timeZoneId; // IANA identifier, "Europe/Berlin"

    // The system's locale (LC_ALL, LC_TIME, LANG) and zone (TZ, /etc/localtime).
    static Environment fromSystem();

    icu::Locale icuLocale() const;

    // Makes `localeId` the default of ICU and Qt, so every later formatter uses it.
    void applyLocaleToProcess() const;
};

// "de-DE", "de_DE.UTF-8", "de_DE@euro" -> "de_DE". Empty for "C" and "POSIX".
QString normalizedLocaleId(const QString& raw);

} // namespace ruvo::kit
