// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CrashReporter.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ruvo;

TEST(CrashReporter, FatalSignalWritesAReportWithTheSnapshotAndItIsMentionedOnce) {
    QTemporaryDir dir;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        app::CrashReporter reporter(dir.path());
        reporter.setTag(QStringLiteral("overriddenLocale"), QStringLiteral("de_DE"));
        reporter.setContext(QStringLiteral("showReminders"), QStringLiteral("true"));
        reporter.install();
        std::raise(SIGSEGV);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGSEGV); // the crash still ends the process as a crash

    app::CrashReporter next(dir.path());
    const QStringList reports = next.takeUnreportedCrashes();
    ASSERT_EQ(reports.size(), 1);
    QFile report(reports.first());
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(report.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("signal 11"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("overriddenLocale: de_DE")));
    EXPECT_TRUE(text.contains(QStringLiteral("showReminders: true")));
    EXPECT_TRUE(text.contains(QStringLiteral("Stack:")));
    EXPECT_TRUE(next.takeUnreportedCrashes().isEmpty());
}
