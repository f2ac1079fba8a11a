// SPDX-License-Identifier: GPL-3.0-or-later
// Text between Qt and ICU: both hold UTF-16, so the conversions copy the code units as they are.
#pragma once

#include <QString>
#include <unicode/unistr.h>

namespace ruvo::kit {

inline icu::UnicodeString toIcu(const QString& text) {
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()),
                              static_cast<int32_t>(text.size()));
}

// An empty string for a bogus UnicodeString (ICU's failed result).
inline QString fromIcu(const icu::UnicodeString& text) {
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

} // namespace ruvo::kit
