// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/XdgCalendarApplication.h"

#include "platform/linux/PlatformLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>
#include <map>

namespace ruvo::platform {

namespace {

const QLatin1String kCalendarType("text/calendar");

// The applications that take a day on their command line, by desktop id or executable.
struct DatedApplication {
    QLatin1String desktopId;
    QLatin1String executable;
    QStringList (*arguments)(QDate day);
};

const DatedApplication kDatedApplications[] = {
    {QLatin1String("org.gnome.Calendar.desktop"), QLatin1String("gnome-calendar"),
     [](QDate day) {
         return QStringList{QStringLiteral("--date"), day.toString(Qt::ISODate)};
     }},
    {QLatin1String("org.gnome.Evolution.desktop"), QLatin1String("evolution"),
     [](QDate day) {
         return QStringList{QStringLiteral("calendar:///?startdate=") +
                            day.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("T120000")};
     }},
};

QStringList splitPaths(const QByteArray& value, const QString& fallback) {
    const QString text = QString::fromLocal8Bit(value);
    QStringList paths = text.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return paths.isEmpty() ? fallback.split(QLatin1Char(':')) : paths;
}

// The key=value lines of one [group] of an ini-style file (desktop entries, mimeapps.list).
std::map<QString, QString> readGroup(const QString& path, const QString& group) {
    std::map<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    QTextStream in(&file);
    bool isInGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            isInGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
            continue;
        }
        const auto eq = line.indexOf(QLatin1Char('='));
        if (isInGroup && eq > 0 && !line.startsWith(QLatin1Char('#')))
            values.emplace(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return values;
}

QString valueOf(const std::map<QString, QString>& values, const QString& key) {
    const auto found = values.find(key);
    return found == values.end() ? QString() : found->second;
}

} // namespace

XdgDirectories XdgDirectories::fromEnvironment() {
    XdgDirectories d;
    const QString home = QDir::homePath();
    d.configHome = qEnvironmentVariable("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    d.configDirs = splitPaths(qgetenv("XDG_CONFIG_DIRS"), QStringLiteral("/etc/xdg"));
    d.dataHome = qEnvironmentVariable("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    d.dataDirs =
        splitPaths(qgetenv("XDG_DATA_DIRS"), QStringLiteral("/usr/local/share:/usr/share"));
    for (const QString& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        d.desktops << desktop.toLower();
    return d;
}

QStringList splitExecLine(const QString& exec) {
    QStringList words;
    QString word;
    bool isQuoted = false;
    bool hasWord = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (isQuoted && c == QLatin1Char('\\') && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (c == QLatin1Char('"')) {
            isQuoted = !isQuoted;
            hasWord = true;
        } else if (!isQuoted && c.isSpace()) {
            if (hasWord)
                words << word;
            word.clear();
            hasWord = false;
        } else if (c == QLatin1Char('%') && i + 1 < exec.size()) {
            const QChar code = exec[++i];
            if (code == QLatin1Char('%'))
                word += code;
            hasWord = hasWord || code == QLatin1Char('%');
        } else {
            word += c;
            hasWord = true;
        }
    }
    if (hasWord)
        words << word;
    return words;
}

XdgCalendarApplication::XdgCalendarApplication(XdgDirectories directories, Launcher launcher)
    : m_directories(std::move(directories)), m_launcher(std::move(launcher)) {
    if (!m_launcher)
        m_launcher = [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        };
}

QStringList XdgCalendarApplication::applicationDirectories() const {
    QStringList dirs{m_directories.dataHome + QStringLiteral("/applications")};
    for (const QString& dir : m_directories.dataDirs)
        dirs << dir + QStringLiteral("/applications");
    return dirs;
}

QStringList XdgCalendarApplication::mimeappsFiles() const {
    QStringList dirs{m_directories.configHome};
    dirs << m_directories.configDirs;
    dirs << applicationDirectories();
    QStringList files;
    for (const QString& dir : dirs) {
        for (const QString& desktop : m_directories.desktops)
            files << dir + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
        files << dir + QStringLiteral("/mimeapps.list");
    }
    return files;
}

std::optional<DesktopApplication>
XdgCalendarApplication::application(const QString& desktopId) const {
    for (const QString& dir : applicationDirectories()) {
        const QString path = dir + QLatin1Char('/') + desktopId;
        if (!QFileInfo::exists(path))
            continue;
        const auto entry = readGroup(path, QStringLiteral("Desktop Entry"));
        const QStringList command = splitExecLine(valueOf(entry, QStringLiteral("Exec")));
        if (command.isEmpty() || valueOf(entry, QStringLiteral("Hidden")) == QLatin1String("true"))
            return std::nullopt;
        QString name = valueOf(entry, QStringLiteral("Name"));
        return DesktopApplication{desktopId, name.isEmpty() ? desktopId : name, command};
    }
    return std::nullopt;
}

std::optional<DesktopApplication> XdgCalendarApplication::anyDeclaringApplication() const {
    for (const QString& dir : applicationDirectories()) {
        QStringList ids = QDir(dir).entryList({QStringLiteral("*.desktop")}, QDir::Files);
        ids.sort();
        for (const QString& id : ids) {
            const auto entry =
                readGroup(dir + QLatin1Char('/') + id, QStringLiteral("Desktop Entry"));
            if (valueOf(entry, QStringLiteral("MimeType"))
                    .split(QLatin1Char(';'))
                    .contains(kCalendarType))
                if (auto app = application(id))
                    return app;
        }
    }
    return std::nullopt;
}

std::optional<DesktopApplication> XdgCalendarApplication::defaultApplication() const {
    const QStringList files = mimeappsFiles();
    for (const QString& group :
         {QStringLiteral("Default Applications"), QStringLiteral("Added Associations")}) {
        for (const QString& file : files) {
            const auto values = readGroup(file, group);
            for (const QString& id :
                 valueOf(values, kCalendarType).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                if (auto app = application(id.trimmed()))
                    return app;
        }
    }
    return anyDeclaringApplication();
}

QStringList XdgCalendarApplication::commandAtDate(const DesktopApplication& app, QDate day) {
    const QString executable = QFileInfo(app.command.front()).fileName();
    for (const DatedApplication& known : kDatedApplications)
        if (app.desktopId == known.desktopId || executable == known.executable ||
            app.command.contains(known.desktopId.chopped(8)))
            return app.command + known.arguments(day);
    return {};
}

CalendarApplicationResult XdgCalendarApplication::openAtDate(QDate day) {
    using Outcome = CalendarApplicationResult::Outcome;
    const auto app = defaultApplication();
    if (!app)
        return {Outcome::noApplication, {}, {}};
    QStringList command = commandAtDate(*app, day);
    const Outcome outcome = command.isEmpty() ? Outcome::launchedNormally : Outcome::openedAtDate;
    if (command.isEmpty())
        command = app->command;
    if (!m_launcher(command.front(), command.mid(1))) {
        qCWarning(lcPlatform) << "cannot start the calendar application" << app->desktopId
                              << command;
        return {Outcome::failed, app->name, app->desktopId};
    }
    return {outcome, app->name, app->desktopId};
}

} // namespace ruvo::platform
