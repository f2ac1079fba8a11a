// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CalcCommand.h"

#include "CommandFixture.h"

namespace ruvo::test {
namespace {

class CalcCommandTest : public CommandFixture {};

TEST_F(CalcCommandTest, PrintsJsonTextAndErrors) {
    struct Row {
        const char* arguments;
        int status;
        const char* output;
        const char* error;
    };
    const Row rows[] = {
        {"between 2024-03-31 2024-02-29 --json", cli::kExitOk,
         R"({"days":-31,"months":-1,"weeks":-4,"workingDays":-22})", ""},
        // A negative duration is a value, not an option, wherever --json stands.
        {"add --json 2026-12-06 -P2W3D", cli::kExitOk, R"({"date":"2026-11-19"})", ""},
        {"add 2024-01-31 P1M", cli::kExitOk, "Thursday, February 29, 2024 (2024-02-29)", ""},
        {"between 2024-01-01 2024-01-08", cli::kExitOk, "7 days 1 week 0 months 5 working days",
         ""},
        {"add 2024-01-31 PT2H", cli::kExitUsage, "", "hours, minutes or seconds"},
        {"between 2024-02-30 2024-03-01", cli::kExitUsage, "", "not a date: 2024-02-30"},
        {"add 9999-12-31 P1D", cli::kExitFailure, "", "outside the years 1 to 9999"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        const QStringList arguments = QString::fromLatin1(row.arguments).split(u' ');
        EXPECT_EQ(run(cli::calcCommand(), arguments), row.status);
        const QString compact =
            row.output[0] == '{' ? output.simplified().remove(u' ') : output.simplified();
        EXPECT_EQ(compact, QString::fromLatin1(row.output));
        EXPECT_TRUE(errors.contains(QString::fromLatin1(row.error))) << errors.toStdString();
    }
}

} // namespace
} // namespace ruvo::test
