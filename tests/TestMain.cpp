// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test executable: a Qt application object for the test's lifetime.
#include <gtest/gtest.h>

#ifdef RUVO_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
