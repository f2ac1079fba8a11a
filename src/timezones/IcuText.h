// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between QString and ICU's UnicodeString (both UTF-16).
#pragma once

#include <QString>
#include <unicode/unistr.h>

namespace ruvo::timezones {

inline icu::UnicodeString icuText(const QString& s) {
    return icu::UnicodeString(reinterpret_cast<const UChar*>(s.utf16()), int32_t(s.size()));
}

inline QString qtText(const icu::UnicodeString& s) {
    return QString(reinterpret_cast<const QChar*>(s.getBuffer()), s.length());
}

} // namespace ruvo::timezones
