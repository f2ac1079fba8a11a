// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PanelAppletCommand.h"

#include "platform/PanelAppletPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace ruvo::cli {

namespace {

kit::Result<std::vector<AppletFile>> plasmaFiles(const AppletFolders& folders) {
    const QString package =
        folders.source + QStringLiteral("/plasma/") + platform::plasmaAppletId();
    if (!QFileInfo::exists(package + QStringLiteral("/metadata.json")))
        return kit::fail(QCoreApplication::translate("PanelAppletCommand", "no Plasma applet in %1")
                             .arg(package));
    const QString target = folders.userData + QStringLiteral("/plasma/plasmoids/") +
                           platform::plasmaAppletId() + QLatin1Char('/');
    std::vector<AppletFile> files;
    QDirIterator it(package, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        if (files.size() >= size_t(kMaxPackageFiles))
            return kit::fail(
                QCoreApplication::translate("PanelAppletCommand",
                                            "the Plasma applet in %1 has more than %2 files")
                    .arg(package)
                    .arg(kMaxPackageFiles));
        files.push_back({from, target + QDir(package).relativeFilePath(from)});
    }
    std::sort(files.begin(), files.end(),
              [](const AppletFile& a, const AppletFile& b) { return a.from < b.from; });
    return files;
}

kit::Result<std::vector<AppletFile>> xfceFiles(const AppletFolders& folders) {
    const QString dir = folders.source + QStringLiteral("/xfce/");
    for (const char* name : {"libruvo.so", "ruvo.desktop"})
        if (!QFileInfo::exists(dir + QLatin1String(name)))
            return kit::fail(QCoreApplication::translate(
                                 "PanelAppletCommand",
                                 "no Xfce plugin in %1 (it is built where libxfce4panel-2.0 is "
                                 "installed)")
                                 .arg(dir));
    return std::vector<AppletFile>{
        {dir + QStringLiteral("libruvo.so"), folders.xfceLibraries + QStringLiteral("/libruvo.so")},
        {dir + QStringLiteral("ruvo.desktop"),
         folders.xfceDesktop + QStringLiteral("/ruvo.desktop")}};
}

// Next to the program: the build tree (build/src/app/ruvo, build/applets) or the installed
// one (PREFIX/bin/ruvo, PREFIX/share/ruvo/applets).
QString appletSource() {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& relative :
         {QStringLiteral("../../applets"), QStringLiteral("../share/ruvo/applets")})
        if (QFileInfo(program.filePath(relative)).isDir())
            return QDir::cleanPath(program.filePath(relative));
    return program.filePath(QStringLiteral("../share/ruvo/applets"));
}

// Written beside the target and renamed over it: a panel that has the old library loaded
// keeps its copy.
kit::Result<void> copy(const AppletFile& file) {
    QFile source(file.from);
    if (!QDir().mkpath(QFileInfo(file.to).path()) || !source.open(QIODevice::ReadOnly))
        return kit::fail(QCoreApplication::translate("PanelAppletCommand", "cannot copy %1 to %2")
                             .arg(file.from, file.to));
    QSaveFile target(file.to);
    if (!target.open(QIODevice::WriteOnly) || target.write(source.readAll()) < 0 ||
        !target.commit())
        return kit::fail(QCoreApplication::translate("PanelAppletCommand", "cannot write %1: %2")
                             .arg(file.to, target.errorString()));
    return {};
}

int runInstall(CommandContext& context, const Invocation& invocation) {
    const QString kind = invocation.argument(0);
    AppletFolders folders{invocation.isSet("from") ? invocation.value("from") : appletSource(),
                          QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                          platform::xfcePluginLibraryFolder(), platform::xfcePluginDesktopFolder()};
    if (kind != QLatin1String("plasma") && kind != QLatin1String("xfce"))
        return invocation.usageError(
            QCoreApplication::translate("PanelAppletCommand",
                                        "unknown panel \"%1\" (plasma or xfce)")
                .arg(kind));
    const auto files = appletFiles(kind, folders);
    if (!files) {
        printError(context, files.error());
        return kExitFailure;
    }
    for (const AppletFile& file : *files) {
        if (auto copied = copy(file); !copied) {
            printError(context, copied.error());
            if (kind == QLatin1String("xfce"))
                context.err << QCoreApplication::translate(
                                   "PanelAppletCommand",
                                   "Xfce's panel loads plugins only from its system folders: run "
                                   "\"sudo %1 install-panel-applet xfce\".")
                                   .arg(QCoreApplication::applicationFilePath())
                            << Qt::endl;
            return kExitFailure;
        }
        context.out << file.to << Qt::endl;
    }
    context.out
        << (kind == QLatin1String("plasma")
                ? QCoreApplication::translate(
                      "PanelAppletCommand",
                      "Add \"Ruvo\" to the panel: right-click the panel, \"Add Widgets...\".")
                : QCoreApplication::translate(
                      "PanelAppletCommand",
                      "Add \"Ruvo\" to the panel: right-click the panel, \"Panel\", "
                      "\"Add New Items...\"."))
        << Qt::endl;
    return kExitOk;
}

} // namespace

kit::Result<std::vector<AppletFile>> appletFiles(const QString& kind,
                                                 const AppletFolders& folders) {
    if (kind == QLatin1String("plasma"))
        return plasmaFiles(folders);
    return xfceFiles(folders);
}

cli::Command installPanelAppletCommand() {
    return {
        QStringLiteral("install-panel-applet"),
        QT_TRANSLATE_NOOP("cli", "install the panel applet that shows the clock in Plasma's "
                                 "or Xfce's panel"),
        {{.arguments = "plasma|xfce",
          .minArguments = 1,
          .maxArguments = 1,
          .options = {{"from", QT_TRANSLATE_NOOP("cli", "take the applet files from DIR"), "DIR"}},
          .notes = QT_TRANSLATE_NOOP(
              "cli", "Plasma: copied to ~/.local/share/plasma/plasmoids/io.github.ruvo.panel.\n"
                     "Xfce: copied to the panel's system plugin folders (needs root)."),
          .run = &runInstall}}};
}

} // namespace ruvo::cli
