// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/CalculatorsWindow.h"

#include "TestSupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace ruvo::views {
namespace {

TEST(CalculatorsWindowTest, ResultsFollowTheControlsInTheUsersLanguage) {
    QString localeId = QStringLiteral("en_US");
    CalculatorsWindow window([&localeId] {
        return kit::Environment{localeId, QStringLiteral("Europe/Berlin")};
    });

    window.firstDate()->setDate(QDate(2024, 3, 31));
    window.secondDate()->setDate(QDate(2024, 2, 29));
    EXPECT_EQ(window.intervalResult()->text(),
              QStringLiteral("-31 days\n-4 weeks\n-1 month\n-22 working days"));

    window.startDate()->setDate(QDate(2024, 1, 31));
    window.amount(1)->setValue(1);
    EXPECT_EQ(window.addResult()->text(), QStringLiteral("Thursday, February 29, 2024"));
    localeId = QStringLiteral("de_DE");
    window.direction()->setCurrentIndex(1); // subtract one month from 31 January
    EXPECT_EQ(window.addResult()->text(), QStringLiteral("Sonntag, 31. Dezember 2023"));

    window.startDate()->setDate(QDate(1, 1, 1)); // nothing before the year 1
    EXPECT_TRUE(window.addResult()->text().contains(QStringLiteral("outside")));
}

} // namespace
} // namespace ruvo::views
