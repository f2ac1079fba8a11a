// SPDX-License-Identifier: GPL-3.0-or-later
// Every input the fuzzers once failed on (tests/data/fuzz/<target>) and every seed, run
// through the same bodies in the normal build: under the sanitizers a crash, overflow or leak
// fails here, and so does a broken invariant.
#include "FuzzInputs.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

QStringList inputsIn(const QString& folder) {
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

} // namespace

TEST(FuzzReplay, RegressionInputsAndSeedsKeepTheirInvariants) {
    for (const fuzz::Target& target : fuzz::targets()) {
        const QString name = QString::fromLatin1(target.name);
        const QStringList seeds = inputsIn(QStringLiteral(RUVO_FUZZ_SEEDS "/") + name);
        EXPECT_FALSE(seeds.isEmpty()) << target.name;
        for (const QString& path :
             seeds + inputsIn(test::dataPath(QStringLiteral("fuzz/") + name))) {
            SCOPED_TRACE(path.toStdString());
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(target.run(file.readAll()));
        }
    }
}
