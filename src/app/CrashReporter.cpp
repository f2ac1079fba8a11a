// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CrashReporter.h"

#include "kit/Log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <array>
#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace ruvo::app {

namespace {

// The signal handler may only use what is ready before the crash: fixed buffers, no
// allocation, no locks. These hold the report's path prefix and its prepared text.
constexpr std::size_t kTextSize = 16384;
std::array<char, 1024> g_folder{};
std::array<char, kTextSize> g_text{};

void writeAll(int fd, const char* text, std::size_t length) {
    while (length > 0) {
        const ssize_t n = ::write(fd, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= static_cast<std::size_t>(n);
    }
}

void writeString(int fd, const char* text) {
    writeAll(fd, text, std::strlen(text));
}

void formatNumber(char* out, long value) { // async-signal-safe itoa
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && n < 23);
    for (int i = 0; i < n; ++i)
        out[i] = digits[n - 1 - i];
    out[n] = '\0';
}

void onFatalSignal(int signal) {
    char path[1200];
    char number[24];
    std::strcpy(path, g_folder.data());
    std::strcat(path, "/crash-");
    formatNumber(number, static_cast<long>(::time(nullptr)));
    std::strcat(path, number);
    std::strcat(path, "-");
    formatNumber(number, static_cast<long>(::getpid()));
    std::strcat(path, number);
    std::strcat(path, ".txt");
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        writeString(fd, "Ruvo crashed with signal ");
        formatNumber(number, signal);
        writeString(fd, number);
        writeString(fd, " (");
        writeString(fd, strsignal(signal));
        writeString(fd, ")\n\nStack:\n");
        void* frames[64];
        ::backtrace_symbols_fd(frames, ::backtrace(frames, 64), fd);
        writeString(fd, "\n");
        writeString(fd, g_text.data());
        ::close(fd);
    }
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace

CrashReporter::CrashReporter(QString folder) : m_folder(std::move(folder)) {}

void CrashReporter::install() {
    QDir().mkpath(m_folder);
    const QByteArray folder = QFile::encodeName(m_folder);
    std::strncpy(g_folder.data(), folder.constData(), g_folder.size() - 1);
    refreshPreparedText();
    void* warmUp[1];
    ::backtrace(warmUp, 1); // loads libgcc now, not inside the handler
    for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, onFatalSignal);
}

void CrashReporter::setTag(const QString& name, const QString& value) {
    m_tags[name] = value;
    refreshPreparedText();
}

void CrashReporter::setContext(const QString& name, const QString& value) {
    m_context[name] = value;
    refreshPreparedText();
}

QString CrashReporter::scopeText() const {
    QString text = QStringLiteral("Tags:\n");
    for (const auto& [name, value] : m_tags)
        text += QStringLiteral("  %1: %2\n").arg(name, value);
    text += QStringLiteral("Settings at launch:\n");
    for (const auto& [name, value] : m_context)
        text += QStringLiteral("  %1: %2\n").arg(name, value);
    text += QStringLiteral("Log: %1\n").arg(kit::logFilePath());
    return text;
}

void CrashReporter::refreshPreparedText() {
    const QByteArray text = scopeText().toUtf8();
    std::strncpy(g_text.data(), text.constData(), g_text.size() - 1);
}

QStringList CrashReporter::takeUnreportedCrashes() {
    QDir dir(m_folder);
    QStringList found;
    for (const QString& name :
         dir.entryList({QStringLiteral("crash-*.txt")}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        const QString mentioned = path + QStringLiteral(".seen");
        if (QFile::exists(mentioned))
            continue;
        QFile marker(mentioned);
        if (marker.open(QIODevice::WriteOnly))
            found << path;
    }
    return found;
}

} // namespace ruvo::app
