// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test executable: a Qt application object for the test's lifetime, and a
// home of its own when started by hand. ctest gives each test a home under the build folder;
// a test binary run directly would otherwise write settings, calendars and applets into the
// real home of whoever runs it.
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#ifdef RUVO_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

namespace {

bool isRealHome(const QByteArray& home) {
    const passwd* user = getpwuid(getuid());
    return home.isEmpty() || (user && QDir(QString::fromLocal8Bit(home)) ==
                                          QDir(QString::fromLocal8Bit(user->pw_dir)));
}

void useHome(const QString& home) {
    qputenv("HOME", home.toLocal8Bit());
    for (const char* name : {"config", "data", "state", "cache"}) {
        const QByteArray variable = "XDG_" + QByteArray(name).toUpper() + "_HOME";
        qputenv(variable.constData(),
                (home + QLatin1Char('/') + QLatin1String(name)).toLocal8Bit());
    }
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir ownHome;
    if (isRealHome(qgetenv("HOME")) && ownHome.isValid())
        useHome(ownHome.path());
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
