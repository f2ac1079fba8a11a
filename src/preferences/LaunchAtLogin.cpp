// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences/LaunchAtLogin.h"

#include "kit/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace ruvo::preferences {

namespace {

const QByteArray kMarker = "X-Ruvo-Autostart=true";

// An autostart file is small; anything larger is not one to read whole.
constexpr qint64 kMaxEntryBytes = 64 * 1024;

std::optional<QByteArray> readEntry(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxEntryBytes)
        return std::nullopt;
    return file.readAll();
}

bool isHidden(const QByteArray& entry) {
    for (const QByteArray& line : entry.split('\n')) {
        const QByteArray l = line.trimmed();
        if (l == "Hidden=true" || l == "X-GNOME-Autostart-enabled=false")
            return true;
    }
    return false;
}

} // namespace

LaunchAtLogin::LaunchAtLogin(QString folder, QString command)
    : m_folder(std::move(folder)), m_command(std::move(command)) {}

QString LaunchAtLogin::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

QString LaunchAtLogin::entryPath() const {
    return m_folder + QStringLiteral("/io.github.ruvo.Ruvo.desktop");
}

bool LaunchAtLogin::isEnabled() const {
    const auto entry = readEntry(entryPath());
    return entry && !isHidden(*entry);
}

kit::Result<void> LaunchAtLogin::setEnabled(bool enabled) {
    const QString path = entryPath();
    const auto stamp = kit::fileStamp(path);
    const auto existing = stamp ? readEntry(path) : std::nullopt;
    const bool isOurs = existing && existing->contains(kMarker);
    if (stamp && !isOurs)
        return kit::fail(QCoreApplication::translate("LaunchAtLogin",
                                                     "%1 was not written by Ruvo; change it there.")
                             .arg(path));
    if (!enabled) {
        if (!stamp)
            return {};
        auto removed = kit::removeFileIfUnchanged(path, *stamp);
        if (!removed)
            return kit::fail(removed.error());
        return {};
    }
    if (!QDir().mkpath(m_folder))
        return kit::fail(
            QCoreApplication::translate("LaunchAtLogin", "Cannot create %1").arg(m_folder));
    const QByteArray text =
        "[Desktop Entry]\nType=Application\nName=Ruvo\nExec=" + m_command.toUtf8() +
        "\nIcon=io.github.ruvo.Ruvo\n" + "X-GNOME-Autostart-enabled=true\n" + kMarker + "\n";
    kit::ReplaceOptions options;
    options.expected = stamp;
    options.mustBeNew = !stamp;
    auto written = kit::replaceFile(path, text, options);
    if (!written)
        return kit::fail(written.error());
    if (*written != kit::ReplaceOutcome::written)
        return kit::fail(QCoreApplication::translate("LaunchAtLogin",
                                                     "%1 changed meanwhile; nothing was written.")
                             .arg(path));
    return {};
}

} // namespace ruvo::preferences
