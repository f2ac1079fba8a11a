// SPDX-License-Identifier: GPL-3.0-or-later
// Readable failure messages for links in these tests (strings: TestSupport.h).
#pragma once

#include "TestSupport.h"

#include <QUrl>

inline void PrintTo(const QUrl& url, std::ostream* os) {
    *os << url.toString(QUrl::FullyEncoded).toStdString();
}
