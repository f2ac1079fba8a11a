// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/VdirSources.h"

#include "kit/AtomicFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>

namespace ruvo::platform::vdir {

namespace {

// A calendar without a colour of its own: a neutral grey, not one a calendar might choose.
const QString kDefaultColour = QStringLiteral("#8e8e93");
// Calendar-level properties are looked for in this many files, in their first bytes only.
constexpr int kMetaFiles = 16;
constexpr qint64 kMetaBytes = 8 * 1024;

QString xdgDirectory(const char* variable, const char* fallback) {
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty())
        base = QDir::homePath() + QLatin1String(fallback);
    return base + QLatin1String("/ruvo");
}

QString readMeta(const QString& folder, const char* name) {
    QFile f(folder + QLatin1Char('/') + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.read(4096)).trimmed();
}

kit::Result<void> writeText(const QString& path, const QByteArray& text) {
    return kit::writeFileAtomically(path, text);
}

bool isColour(const QString& text) {
    static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}([0-9A-Fa-f]{2})?$"));
    return colour.match(text).hasMatch();
}

// The name and colour an exported or subscribed calendar carries in its files (X-WR-CALNAME,
// X-APPLE-CALENDAR-COLOR, COLOR), from the calendar's own lines before its first component.
struct FileMeta {
    QString title;
    QString colour;
};

FileMeta metaFromFiles(const QString& folder) {
    FileMeta meta;
    QDirIterator it(folder, {QStringLiteral("*.ics")}, QDir::Files);
    for (int files = 0; files < kMetaFiles && it.hasNext() && meta.colour.isEmpty(); ++files) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = f.read(kMetaBytes).split('\n');
        for (QByteArray line : lines) {
            line = line.trimmed();
            if (line.startsWith("BEGIN:V") && line != "BEGIN:VCALENDAR")
                break;
            const qsizetype colon = line.indexOf(':');
            const QByteArray name = line.left(colon).split(';').front().toUpper();
            const QString value = QString::fromUtf8(line.mid(colon + 1)).trimmed();
            if (colon < 0 || value.isEmpty())
                continue;
            if (name == "X-WR-CALNAME" && meta.title.isEmpty())
                meta.title = value.left(200);
            else if ((name == "X-APPLE-CALENDAR-COLOR" || name == "COLOR") && isColour(value))
                meta.colour = value;
        }
    }
    return meta;
}

CollectionInfo describe(const QString& folder, const VdirSource& source, bool isDefault) {
    CollectionInfo info;
    info.folder = QFileInfo(folder).absoluteFilePath();
    info.identifier = collectionIdentifier(info.folder);
    info.title = readMeta(folder, "displayname");
    info.colour = readMeta(folder, "color");
    if (!isColour(info.colour))
        info.colour.clear();
    if (info.title.isEmpty() || info.colour.isEmpty()) {
        const FileMeta meta = metaFromFiles(folder);
        if (info.title.isEmpty())
            info.title = meta.title;
        if (info.colour.isEmpty())
            info.colour = meta.colour;
    }
    if (info.title.isEmpty())
        info.title = QFileInfo(folder).fileName();
    if (info.colour.isEmpty())
        info.colour = kDefaultColour;
    const QString kind = readMeta(folder, "kind").toLower();
    if (kind == QLatin1String("reminders") || kind == QLatin1String("vtodo") ||
        kind == QLatin1String("tasks"))
        info.declaredKind = EntityType::reminder;
    else if (kind == QLatin1String("events") || kind == QLatin1String("vevent"))
        info.declaredKind = EntityType::event;
    for (const auto& e : source.emails)
        info.emails << e.trimmed().toLower();
    info.isDefault = isDefault;
    info.isReadOnly = source.isReadOnly || !QFileInfo(info.folder).isWritable();
    return info;
}

void addCollections(const VdirSource& source, bool isDefault, std::vector<CollectionInfo>& out) {
    if (isCollection(source.path)) {
        out.push_back(describe(source.path, source, isDefault));
        return;
    }
    QDir dir(source.path);
    const auto children = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const auto& child : children) {
        const QString folder = dir.filePath(child);
        if (isCollection(folder))
            out.push_back(describe(folder, source, isDefault));
    }
}

} // namespace

QString sourcesFilePath(const QString& configDirectory) {
    return configDirectory + QLatin1String("/calendar-sources.json");
}

QString defaultStoreDirectory() {
    return xdgDirectory("XDG_DATA_HOME", "/.local/share") + QLatin1String("/calendars");
}

QString defaultCacheFile() {
    return xdgDirectory("XDG_CACHE_HOME", "/.cache") + QLatin1String("/calendars.sqlite");
}

kit::Result<std::vector<VdirSource>> readSources(const QString& file) {
    QFile f(file);
    if (!f.exists())
        return std::vector<VdirSource>{};
    if (!f.open(QIODevice::ReadOnly))
        return kit::fail(QStringLiteral("Cannot read %1: %2").arg(file, f.errorString()));
    QJsonParseError error;
    const auto doc = QJsonDocument::fromJson(f.readAll(), &error);
    if (!doc.isObject())
        return kit::fail(
            QStringLiteral("%1 is not a sources file: %2").arg(file, error.errorString()));
    std::vector<VdirSource> sources;
    for (const auto& value : doc.object().value(QLatin1String("sources")).toArray()) {
        const auto object = value.toObject();
        VdirSource source{object.value(QLatin1String("path")).toString(), {}};
        for (const auto& e : object.value(QLatin1String("emails")).toArray())
            source.emails << e.toString();
        source.isReadOnly = object.value(QLatin1String("readOnly")).toBool();
        if (!source.path.isEmpty())
            sources.push_back(source);
    }
    return sources;
}

kit::Result<void> writeSources(const QString& file, const std::vector<VdirSource>& sources) {
    QJsonArray list;
    for (const auto& s : sources) {
        QJsonObject object{{QStringLiteral("path"), s.path},
                           {QStringLiteral("emails"), QJsonArray::fromStringList(s.emails)}};
        if (s.isReadOnly)
            object.insert(QStringLiteral("readOnly"), true);
        list.append(object);
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    return writeText(file, QJsonDocument(QJsonObject{{QStringLiteral("sources"), list}}).toJson());
}

kit::Result<void> ensureDefaultStore(const QString& directory) {
    if (QFileInfo::exists(directory))
        return {};
    struct Folder {
        const char* name;
        const char* title;
        const char* kind;
        const char* colour;
    };
    for (const Folder& f : {Folder{"calendar", "Calendar", "events", "#2e8bd8"},
                            Folder{"reminders", "Reminders", "reminders", "#e8762d"}}) {
        const QString folder = directory + QLatin1Char('/') + QLatin1String(f.name);
        if (!QDir().mkpath(folder))
            return kit::fail(QStringLiteral("Cannot create %1").arg(folder));
        for (auto [file, text] : {std::pair{"displayname", f.title}, std::pair{"kind", f.kind},
                                  std::pair{"color", f.colour}}) {
            if (auto r = writeText(folder + QLatin1Char('/') + QLatin1String(file),
                                   QByteArray(text) + '\n');
                !r)
                return r;
        }
    }
    return {};
}

QString collectionIdentifier(const QString& absoluteFolder) {
    const QByteArray hash =
        QCryptographicHash::hash(absoluteFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(hash.left(12));
}

bool isCollection(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists())
        return false;
    for (const char* meta : {"displayname", "color", "kind"})
        if (dir.exists(QLatin1String(meta)))
            return true;
    QDirIterator it(folder, {QStringLiteral("*.ics")}, QDir::Files);
    return it.hasNext();
}

std::vector<CollectionInfo> discoverCollections(const QString& defaultDirectory,
                                                const std::vector<VdirSource>& sources) {
    std::vector<CollectionInfo> out;
    if (!defaultDirectory.isEmpty())
        addCollections(VdirSource{defaultDirectory, {}}, true, out);
    for (const auto& s : sources)
        addCollections(s, false, out);
    std::vector<CollectionInfo> unique;
    for (auto& c : out)
        if (std::none_of(unique.begin(), unique.end(),
                         [&](const CollectionInfo& u) { return u.folder == c.folder; }))
            unique.push_back(std::move(c));
    return unique;
}

kit::Result<SourceFolders> findSourceFolders(const QString& defaultDirectory,
                                             const QString& configDirectory) {
    if (auto made = ensureDefaultStore(defaultDirectory); !made)
        return kit::fail(made.error());
    auto sources = readSources(sourcesFilePath(configDirectory));
    if (!sources)
        return kit::fail(sources.error());
    auto collections = discoverCollections(defaultDirectory, *sources);
    return SourceFolders{std::move(sources).value(), std::move(collections)};
}

} // namespace ruvo::platform::vdir
