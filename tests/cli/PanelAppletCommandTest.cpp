// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PanelAppletCommand.h"

#include "CommandFixture.h"

#include <QDir>
#include <QStandardPaths>

using namespace ruvo;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const char* kPackage = "/plasma/io.github.ruvo.panel";

} // namespace

TEST(PanelAppletFiles, FindsWhatEachPanelNeedsOrSaysWhatIsMissing) {
    struct Row {
        const char* what;
        const char* kind;
        std::vector<const char*> present; // below the source folder
        std::vector<const char*> targets; // below the destination roots; empty: refused
    };
    const Row rows[] = {
        {"plasma package",
         "plasma",
         {"/plasma/io.github.ruvo.panel/metadata.json",
          "/plasma/io.github.ruvo.panel/contents/ui/main.qml"},
         {"data/plasma/plasmoids/io.github.ruvo.panel/contents/ui/main.qml",
          "data/plasma/plasmoids/io.github.ruvo.panel/metadata.json"}},
        {"plasma without metadata",
         "plasma",
         {"/plasma/io.github.ruvo.panel/contents/ui/main.qml"},
         {}},
        {"an Xfce plugin",
         "xfce",
         {"/xfce/libruvo.so", "/xfce/ruvo.desktop"},
         {"lib/libruvo.so", "share/ruvo.desktop"}},
        {"an Xfce plugin never built", "xfce", {"/xfce/ruvo.desktop"}, {}},
        {"nothing at all", "plasma", {}, {}},
    };
    for (const Row& row : rows) {
        QTemporaryDir source, target;
        for (const char* file : row.present)
            writeFile(source.path() + QLatin1String(file), "x");
        const cli::AppletFolders folders{source.path(), target.filePath(QStringLiteral("data")),
                                         target.filePath(QStringLiteral("lib")),
                                         target.filePath(QStringLiteral("share"))};
        const auto files = cli::appletFiles(QString::fromLatin1(row.kind), folders);
        ASSERT_EQ(files.isOk(), !row.targets.empty()) << row.what;
        if (!files) {
            EXPECT_FALSE(files.error().isEmpty()) << row.what;
            continue;
        }
        ASSERT_EQ(files->size(), row.targets.size()) << row.what;
        for (size_t i = 0; i < row.targets.size(); ++i)
            EXPECT_EQ((*files)[i].to, target.filePath(QString::fromLatin1(row.targets[i])))
                << row.what;
    }
}

TEST(PanelAppletFiles, AStrangePackageIsBounded) {
    QTemporaryDir source;
    writeFile(source.path() + QLatin1String(kPackage) + QStringLiteral("/metadata.json"), "{}");
    for (int i = 0; i < cli::kMaxPackageFiles; ++i)
        writeFile(source.path() + QLatin1String(kPackage) + QStringLiteral("/contents/%1").arg(i),
                  "x");
    const auto files = cli::appletFiles(QStringLiteral("plasma"),
                                        {source.path(), source.path(), QString(), QString()});
    EXPECT_FALSE(files.isOk());
}

class InstallPanelAppletTest : public test::CommandFixture {};

TEST_F(InstallPanelAppletTest, CopiesThePlasmaPackageIntoTheUsersFolderAgainAndAgain) {
    QTemporaryDir source;
    const QString package = source.path() + QLatin1String(kPackage);
    writeFile(package + QStringLiteral("/metadata.json"), "{\"KPlugin\":{}}");
    writeFile(package + QStringLiteral("/contents/ui/main.qml"), "Item {}");
    const QString installed =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QStringLiteral("/plasma/plasmoids/io.github.ruvo.panel");
    const auto command = cli::installPanelAppletCommand();
    for (const QByteArray& qml : {QByteArray("Item {}"), QByteArray("Item { id: newer }")}) {
        writeFile(package + QStringLiteral("/contents/ui/main.qml"), qml);
        ASSERT_EQ(run(command, {QStringLiteral("plasma"), QStringLiteral("--from"), source.path()}),
                  cli::kExitOk)
            << errors.toStdString();
        EXPECT_EQ(readFile(installed + QStringLiteral("/contents/ui/main.qml")), qml);
        EXPECT_EQ(readFile(installed + QStringLiteral("/metadata.json")), "{\"KPlugin\":{}}");
    }
    EXPECT_TRUE(output.contains(QStringLiteral("Add Widgets")));

    struct Row {
        QStringList arguments;
        int status;
    };
    const Row refused[] = {
        {{QStringLiteral("gnome")}, cli::kExitUsage},
        {{}, cli::kExitUsage},
        {{QStringLiteral("plasma"), QStringLiteral("--from"),
          source.filePath(QStringLiteral("no"))},
         cli::kExitFailure},
    };
    for (const Row& row : refused) {
        EXPECT_EQ(run(command, row.arguments), row.status)
            << row.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(errors.startsWith(QStringLiteral("ruvo: "))) << errors.toStdString();
    }
}
