// SPDX-License-Identifier: GPL-3.0-or-later
#include "automation/SoundFiles.h"

#include "alerts/SoundCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace ruvo::automation {

namespace {

ActionError failed() {
    return ActionError{errors::kSoundUnavailable,
                       QCoreApplication::translate("SoundFiles", "Failed to get sound.")};
}

// A file that already holds exactly these bytes is left alone, so a caller copying it while
// another asks for the same sound never reads a half-written file.
bool holds(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

bool write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

ActionResult<QString> SoundFiles::file(const QString& name) const {
    const auto sound = alerts::soundNamed(name);
    if (!sound || sound->isSystemSound)
        return ActionError{
            errors::kUnknownSound,
            QCoreApplication::translate("SoundFiles", "There is no sound \"%1\".").arg(name)};
    QFile resource(m_resourcePrefix + QLatin1Char('/') + sound->name + QStringLiteral(".wav"));
    if (!resource.open(QIODevice::ReadOnly))
        return failed();
    const QByteArray bytes = resource.readAll();
    if (bytes.isEmpty() || !QDir().mkpath(m_folder))
        return failed();
    const QString path = QDir(m_folder).filePath(sound->name + QStringLiteral(".wav"));
    if (!holds(path, bytes) && !write(path, bytes))
        return failed();
    return path;
}

QString defaultSoundFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/ruvo/sounds");
}

} // namespace ruvo::automation
