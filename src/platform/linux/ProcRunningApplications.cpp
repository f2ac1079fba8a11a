// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/ProcRunningApplications.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace ruvo::platform {

namespace {

QByteArray readSmallFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

} // namespace

QStringList ProcRunningApplications::running(const QStringList& candidates) const {
    QSet<QString> names;
    const QStringList pids = QDir(m_procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool isNumber = false;
        pid.toInt(&isNumber);
        if (!isNumber)
            continue;
        const QString dir = m_procRoot + QLatin1Char('/') + pid;
        names.insert(QString::fromUtf8(readSmallFile(dir + QStringLiteral("/comm"))).trimmed());
        const QByteArray cmdline = readSmallFile(dir + QStringLiteral("/cmdline"));
        names.insert(QFileInfo(QString::fromUtf8(cmdline.left(cmdline.indexOf('\0')))).fileName());
    }
    QStringList found;
    for (const QString& candidate : candidates)
        if (names.contains(candidate))
            found << candidate;
    return found;
}

} // namespace ruvo::platform
