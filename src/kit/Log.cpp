// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QStandardPaths>
#include <cstdio>

Q_LOGGING_CATEGORY(lcKit, "ruvo.kit")

namespace ruvo::kit {

namespace {

constexpr qint64 kMaxLogSize = 1024 * 1024;

struct LogSink {
    QMutex mutex;
    QFile file;
    QtMsgType standardErrorThreshold = QtDebugMsg;
    QtMessageHandler previous = nullptr;
};

LogSink& sink() {
    static LogSink instance; // process-wide by nature: Qt's message handler is a C callback
    return instance;
}

const char* levelName(QtMsgType type) {
    switch (type) {
    case QtDebugMsg:
        return "debug";
    case QtInfoMsg:
        return "info";
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "critical";
    case QtFatalMsg:
        return "fatal";
    }
    return "?";
}

// QtMsgType's values are not in order of severity (info comes after fatal).
int severity(QtMsgType type) {
    switch (type) {
    case QtDebugMsg:
        return 0;
    case QtInfoMsg:
        return 1;
    case QtWarningMsg:
        return 2;
    case QtCriticalMsg:
        return 3;
    case QtFatalMsg:
        return 4;
    }
    return 0;
}

void rollOverIfLarge(QFile& file) {
    if (file.size() < kMaxLogSize)
        return;
    const QString path = file.fileName();
    file.close();
    QFile::remove(path + QStringLiteral(".1"));
    QFile::rename(path, path + QStringLiteral(".1"));
    file.open(QIODevice::Append | QIODevice::Text);
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QByteArray line =
        QStringLiteral("%1 %2 %3: %4\n")
            .arg(QDateTime::currentDateTime().toString(Qt::ISODateWithMs),
                 QString::fromLatin1(levelName(type)),
                 QString::fromLatin1(context.category ? context.category : "default"), message)
            .toUtf8();
    LogSink& s = sink();
    QMutexLocker lock(&s.mutex);
    if (severity(type) >= severity(s.standardErrorThreshold))
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
    if (s.file.isOpen()) {
        s.file.write(line);
        s.file.flush();
        rollOverIfLarge(s.file);
    }
}

} // namespace

QString stateDirectory() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/ruvo");
}

void installLog(const QString& filePath, QtMsgType standardErrorThreshold) {
    LogSink& s = sink();
    {
        QMutexLocker lock(&s.mutex);
        s.standardErrorThreshold = standardErrorThreshold;
        const QString path =
            filePath.isEmpty() ? stateDirectory() + QStringLiteral("/ruvo.log") : filePath;
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (s.file.isOpen())
            s.file.close();
        s.file.setFileName(path);
        if (!s.file.open(QIODevice::Append | QIODevice::Text))
            std::fprintf(stderr, "ruvo: cannot open the log file %s\n", qPrintable(path));
    }
    s.previous = qInstallMessageHandler(handleMessage);
}

QString logFilePath() {
    return sink().file.fileName();
}

} // namespace ruvo::kit
