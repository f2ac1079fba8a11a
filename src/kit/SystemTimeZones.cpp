// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/SystemTimeZones.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <algorithm>

namespace ruvo::kit {

namespace {

bool isPlausibleId(const QString& id) {
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Za-z][A-Za-z0-9_+\\-]*(/[A-Za-z0-9_+\\-]+)*$"));
    return !id.isEmpty() && id.size() < 64 && pattern.match(id).hasMatch();
}

bool isTzifFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(4) == "TZif";
}

QStringList zonesFromTzdataZi(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList zones;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        // "Z Europe/Paris ..." declares a zone, "L Europe/Paris Europe/Monaco" a link.
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() >= 2 && parts[0] == "Z")
            zones << QString::fromUtf8(parts[1]);
        else if (parts.size() >= 3 && parts[0] == "L")
            zones << QString::fromUtf8(parts[2]);
    }
    return zones;
}

} // namespace

QString SystemTimeZones::zoneinfoDirectory() {
    const QString dir = qEnvironmentVariable("TZDIR");
    return dir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : dir;
}

bool SystemTimeZones::isKnown(const QString& id) {
    if (!isPlausibleId(id) || id.startsWith(QLatin1String("posix/")) ||
        id.startsWith(QLatin1String("right/")))
        return false;
    // Stored zone lists are decoded on every read: remember answers instead of opening files.
    static QMutex mutex;
    static QHash<QString, bool> answers;
    const QString path = zoneinfoDirectory() + QLatin1Char('/') + id;
    QMutexLocker lock(&mutex);
    const auto it = answers.constFind(path);
    if (it != answers.constEnd())
        return *it;
    const bool known = isTzifFile(path);
    answers.insert(path, known);
    return known;
}

QStringList SystemTimeZones::all() {
    const QString dir = zoneinfoDirectory();
    QStringList zones = zonesFromTzdataZi(dir + QStringLiteral("/tzdata.zi"));
    if (zones.isEmpty()) {
        QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString id = QDir(dir).relativeFilePath(it.next());
            if (isKnown(id))
                zones << id;
        }
    }
    zones.removeIf([](const QString& id) { return !isKnown(id); });
    std::sort(zones.begin(), zones.end());
    zones.removeDuplicates();
    return zones;
}

QString SystemTimeZones::currentZoneId() {
    QString tz = qEnvironmentVariable("TZ");
    if (tz.startsWith(QLatin1Char(':')))
        tz.remove(0, 1);
    if (isKnown(tz))
        return tz;
    const QString target = QFileInfo(QStringLiteral("/etc/localtime")).symLinkTarget();
    const QString marker = QStringLiteral("zoneinfo/");
    const qsizetype at = target.indexOf(marker);
    if (at >= 0 && isKnown(target.mid(at + marker.size())))
        return target.mid(at + marker.size());
    QFile file(QStringLiteral("/etc/timezone"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QString id = QString::fromUtf8(file.readAll()).trimmed();
        if (isKnown(id))
            return id;
    }
    return QStringLiteral("UTC");
}

} // namespace ruvo::kit
