// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/BuildInfo.h"

#include <unicode/timezone.h>
#include <unicode/uversion.h>

namespace ruvo::kit {

QString programVersion() {
    return QStringLiteral(RUVO_VERSION);
}

QString qtRuntimeVersion() {
    return QString::fromLatin1(qVersion());
}

QString icuRuntimeVersion() {
    UVersionInfo info;
    u_getVersion(info);
    char text[U_MAX_VERSION_STRING_LENGTH];
    u_versionToString(info, text);
    return QString::fromLatin1(text);
}

QString tzdataVersion() {
    UErrorCode status = U_ZERO_ERROR;
    const char* version = icu::TimeZone::getTZDataVersion(status);
    return U_SUCCESS(status) && version ? QString::fromLatin1(version) : QString();
}

} // namespace ruvo::kit
