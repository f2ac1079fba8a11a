// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PlistFileStorage.h"

#include "settings/PropertyList.h"
#include "settings/SettingsLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/file.h>
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

PlistFileStorage::PlistFileStorage(QString path, kit::Scheduler* scheduler)
    : m_path(std::move(path)), m_scheduler(scheduler) {}

PlistFileStorage::~PlistFileStorage() = default;

std::optional<QVariantMap> PlistFileStorage::readFile() {
    // A file that does not parse may be in the middle of being written: one more look.
    for (int attempt = 0;; ++attempt) {
        QString error;
        if (auto content = parseCurrent(&error))
            return content;
        if (attempt == 1 || !QFileInfo(m_path).isReadable()) {
            setAside(error);
            return std::nullopt;
        }
    }
}

std::optional<QVariantMap> PlistFileStorage::parseCurrent(QString* error) {
    m_lastSeen = kit::fileStamp(m_path);
    QFile file(m_path);
    if (!m_lastSeen)
        return QVariantMap{};
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    auto parsed = readPropertyList(file.readAll());
    if (parsed)
        return std::move(parsed).value();
    *error = parsed.error();
    return std::nullopt;
}

void PlistFileStorage::setAside(const QString& error) {
    if (!QFile::exists(m_path))
        return; // gone meanwhile
    if (!QFileInfo(m_path).isReadable()) {
        // Unreadable is not corrupt: it stays where it is.
        qCWarning(lcSettings).noquote()
            << "Cannot read the settings file" << m_path << ":" << error;
        return;
    }
    const QString aside =
        m_path + QStringLiteral(".corrupt-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (QFile::rename(m_path, aside))
        qCWarning(lcSettings).noquote()
            << "The settings file" << m_path << "does not parse (" << error << "); it was moved to"
            << aside << "and the defaults apply";
    else
        qCWarning(lcSettings).noquote() << "The settings file" << m_path << "does not parse ("
                                        << error << ") and could not be moved aside";
    m_lastSeen = kit::fileStamp(m_path);
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
    // Twice at most: an editor that saved between our read and our write is read again.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::optional<QVariantMap> current = readFile();
        if (!current && QFile::exists(m_path))
            return kit::fail(
                QStringLiteral("cannot read %1").arg(m_path)); // unreadable, not corrupt: leave it
        QVariantMap content = applyChanges(current.value_or(fallback), changes);
        auto written = writeFile(content);
        if (!written)
            return kit::fail(written.error());
        if (*written) {
            m_lastSeen = kit::fileStamp(m_path);
            return content;
        }
    }
    return kit::fail(QStringLiteral("%1 was changed by another program; try again").arg(m_path));
}

kit::Result<bool> PlistFileStorage::writeFile(const QVariantMap& content) {
    kit::ReplaceOptions options;
    options.expected = m_lastSeen;
    options.mustBeNew = !m_lastSeen;
    auto written = kit::replaceFile(m_path, writePropertyList(content), options);
    if (!written)
        return kit::fail(written.error());
    return *written == kit::ReplaceOutcome::written;
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
    if (kit::fileStamp(m_path) == m_lastSeen || !m_onChange)
        return; // our own write, or a change to another file of the folder
    QString error;
    if (m_scheduler && !parseCurrent(&error) && QFileInfo(m_path).isReadable()) {
        // Perhaps an editor halfway through saving in place: look again once it has had time.
        m_settle = m_scheduler->after(kSettleDelay, [this] { m_onChange(); });
        return;
    }
    m_settle.cancel();
    m_onChange();
}

} // namespace ruvo::settings
