// SPDX-License-Identifier: GPL-3.0-or-later
// Readable failure messages for Qt strings and links in these tests.
#pragma once

#include <QString>
#include <QUrl>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QUrl& url, std::ostream* os) {
    *os << url.toString(QUrl::FullyEncoded).toStdString();
}
QT_END_NAMESPACE
