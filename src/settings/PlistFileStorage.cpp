// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PlistFileStorage.h"

#include "settings/PropertyList.h"
#include "settings/SettingsLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ruvo::settings {

namespace {

// An exclusive advisory lock on "<file>.lock", held for the lifetime of the object.
class FileLock {
public:
    explicit FileLock(const QString& path) {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd >= 0)
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~FileLock() {
        if (m_fd >= 0)
            ::close(m_fd); // closing releases the lock
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool isHeld() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace

PlistFileStorage::PlistFileStorage(QString path) : m_path(std::move(path)) {}

PlistFileStorage::~PlistFileStorage() = default;

PlistFileStorage::Signature PlistFileStorage::currentSignature() const {
    struct stat info {};
    if (::stat(QFile::encodeName(m_path).constData(), &info) != 0)
        return {};
    return Signature{static_cast<qint64>(info.st_size),
                     static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                     static_cast<quint64>(info.st_ino)};
}

std::optional<QVariantMap> PlistFileStorage::readFile() {
    m_lastSeen = currentSignature();
    QFile file(m_path);
    if (!file.exists())
        return QVariantMap{};
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSettings).noquote()
            << "Cannot read the settings file" << m_path << ":" << file.errorString();
        return std::nullopt;
    }
    auto parsed = readPropertyList(file.readAll());
    if (parsed)
        return std::move(parsed).value();
    const QString aside =
        m_path + QStringLiteral(".corrupt-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    file.close();
    if (QFile::rename(m_path, aside))
        qCWarning(lcSettings).noquote()
            << "The settings file" << m_path << "does not parse (" << parsed.error()
            << "); it was moved to" << aside << "and the defaults apply";
    else
        qCWarning(lcSettings).noquote() << "The settings file" << m_path << "does not parse ("
                                        << parsed.error() << ") and could not be moved aside";
    m_lastSeen = currentSignature();
    return std::nullopt;
}

QVariantMap PlistFileStorage::load() {
    FileLock lock(m_path + QStringLiteral(".lock"));
    return readFile().value_or(QVariantMap{});
}

kit::Result<QVariantMap> PlistFileStorage::update(const QVariantMap& changes,
                                                  const QVariantMap& fallback) {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    FileLock lock(m_path + QStringLiteral(".lock"));
    if (!lock.isHeld())
        return kit::fail(QStringLiteral("cannot lock %1.lock").arg(m_path));
    const std::optional<QVariantMap> current = readFile();
    if (!current && QFile::exists(m_path))
        return kit::fail(
            QStringLiteral("cannot read %1").arg(m_path)); // unreadable, not corrupt: leave it
    QVariantMap content = applyChanges(current.value_or(fallback), changes);
    if (auto written = writeFile(content); !written)
        return kit::fail(written.error());
    m_lastSeen = currentSignature();
    return content;
}

kit::Result<void> PlistFileStorage::writeFile(const QVariantMap& content) {
    QSaveFile file(m_path); // writes a temporary file, syncs it and renames it over the old one
    if (!file.open(QIODevice::WriteOnly))
        return kit::fail(QStringLiteral("cannot write %1: %2").arg(m_path, file.errorString()));
    file.write(writePropertyList(content));
    if (!file.commit())
        return kit::fail(QStringLiteral("cannot write %1: %2").arg(m_path, file.errorString()));
    return {};
}

void PlistFileStorage::watch(std::function<void()> onChange) {
    m_onChange = std::move(onChange);
    const QString folder = QFileInfo(m_path).absolutePath();
    QDir().mkpath(folder);
    m_watcher = std::make_unique<QFileSystemWatcher>(QStringList{folder});
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, m_watcher.get(),
                     [this] { onFolderChanged(); });
    // An editor that rewrites the file in place changes no folder entry: watch the file too.
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, m_watcher.get(),
                     [this] { onFolderChanged(); });
    watchFileIfPresent();
}

void PlistFileStorage::watchFileIfPresent() {
    if (m_watcher && QFile::exists(m_path) && !m_watcher->files().contains(m_path))
        m_watcher->addPath(m_path);
}

void PlistFileStorage::onFolderChanged() {
    watchFileIfPresent(); // a rename replaced the file the watch was on
    if (currentSignature() == m_lastSeen || !m_onChange)
        return; // our own write, or a change to another file of the folder
    m_onChange();
}

} // namespace ruvo::settings
