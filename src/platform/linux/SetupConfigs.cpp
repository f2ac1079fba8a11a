// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SetupConfigs.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <map>
#include <optional>

namespace ruvo::platform::setup {

namespace {

constexpr int kMaxLines = 10000; // a configuration is a page; anything longer is not one

QString problem(int line, const QString& text) {
    return QCoreApplication::translate("SetupConfigs", "line %1: %2").arg(line).arg(text);
}

bool isComment(const QString& trimmed) {
    return trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')) ||
           trimmed.startsWith(QLatin1Char(';'));
}

// "[name]" is depth 1, "[[name]]" depth 2; 0 when the line is no section header.
int sectionDepth(const QString& trimmed, QString* name) {
    int depth = 0;
    while (depth < trimmed.size() && trimmed[depth] == QLatin1Char('['))
        ++depth;
    if (depth == 0 || !trimmed.endsWith(QString(depth, QLatin1Char(']'))) ||
        trimmed.size() < 2 * depth)
        return 0;
    *name = trimmed.mid(depth, trimmed.size() - 2 * depth).trimmed();
    return name->isEmpty() ? 0 : depth;
}

bool splitKey(const QString& trimmed, QString* key, QString* value) {
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return false;
    *key = trimmed.left(equals).trimmed().toLower();
    *value = trimmed.mid(equals + 1).trimmed();
    return true;
}

// vdirsyncer's values are JSON: "text", null, true, ["a", "b"].
std::optional<QJsonValue> jsonValue(const QString& text) {
    QJsonParseError error{};
    const auto doc = QJsonDocument::fromJson((u'[' + text + u']').toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || doc.array().size() != 1)
        return std::nullopt;
    return doc.array().first();
}

struct VdirsyncerSection {
    QString kind; // "storage", "pair", or another section
    QString name;
    std::map<QString, QJsonValue> values;
};

// A value that does not parse yet may go on over indented lines.
std::vector<VdirsyncerSection> vdirsyncerSections(const QStringList& lines, QStringList& problems) {
    std::vector<VdirsyncerSection> sections;
    QString key;
    QString pending;
    int pendingLine = 0;
    const auto flush = [&] {
        if (key.isEmpty())
            return;
        if (const auto v = jsonValue(pending); v && !sections.empty())
            sections.back().values[key] = *v;
        else
            problems << problem(pendingLine, QCoreApplication::translate(
                                                 "SetupConfigs", "“%1” is not a value vdirsyncer "
                                                                 "reads (text goes in quotes)")
                                                 .arg(pending));
        key.clear();
    };
    for (int i = 0; i < lines.size() && i < kMaxLines; ++i) {
        const QString& raw = lines[i];
        const QString trimmed = raw.trimmed();
        if (isComment(trimmed))
            continue;
        if (!key.isEmpty() && raw.front().isSpace() && !jsonValue(pending)) {
            pending += u' ' + trimmed;
            continue;
        }
        flush();
        QString name;
        QString value;
        if (sectionDepth(trimmed, &name) == 1) {
            const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            sections.push_back({words.value(0).toLower(), words.mid(1).join(u' '), {}});
        } else if (splitKey(trimmed, &key, &value) && !sections.empty()) {
            pending = value;
            pendingLine = i + 1;
        } else {
            key.clear();
            problems << problem(
                i + 1, QCoreApplication::translate("SetupConfigs",
                                                   "not a section or a “key = value” line"));
        }
    }
    flush();
    return sections;
}

bool holdsCollections(const std::vector<VdirsyncerSection>& sections, const QString& storage) {
    for (const auto& s : sections) {
        if (s.kind != QLatin1String("pair"))
            continue;
        const auto side = [&](const char* k) {
            const auto it = s.values.find(QLatin1String(k));
            return it != s.values.end() && it->second.toString() == storage;
        };
        const auto collections = s.values.find(QStringLiteral("collections"));
        if ((side("a") || side("b")) && collections != s.values.end() &&
            collections->second.isArray())
            return true;
    }
    return false;
}

// khal's values: quoted, or plain up to an inline comment.
QString khalValue(const QString& value) {
    for (QChar quote : {QLatin1Char('"'), QLatin1Char('\'')})
        if (value.size() >= 2 && value.startsWith(quote) && value.endsWith(quote))
            return value.mid(1, value.size() - 2);
    const qsizetype comment = value.indexOf(QLatin1String(" #"));
    return (comment < 0 ? value : value.left(comment)).trimmed();
}

bool isTrue(const QString& value) {
    const QString v = value.toLower();
    return v == QLatin1String("true") || v == QLatin1String("yes") || v == QLatin1String("on") ||
           v == QLatin1String("1");
}

} // namespace

QString expandHome(const QString& path, const QString& home) {
    if (path == QLatin1String("~"))
        return QDir::cleanPath(home);
    if (path.startsWith(QLatin1String("~/")))
        return QDir::cleanPath(home + path.mid(1));
    return path.isEmpty() ? path : QDir::cleanPath(path);
}

ConfigReading readVdirsyncerConfig(const QString& text, const QString& home) {
    ConfigReading reading;
    const auto sections = vdirsyncerSections(text.split(QLatin1Char('\n')), reading.problems);
    for (const auto& s : sections) {
        const auto type = s.values.find(QStringLiteral("type"));
        if (s.kind != QLatin1String("storage") || type == s.values.end() ||
            type->second.toString() != QLatin1String("filesystem"))
            continue;
        const auto path = s.values.find(QStringLiteral("path"));
        if (path == s.values.end() || path->second.toString().isEmpty()) {
            reading.problems << QCoreApplication::translate("SetupConfigs",
                                                            "storage %1 has no path")
                                    .arg(s.name);
            continue;
        }
        ConfiguredFolder folder;
        folder.name = s.name;
        folder.path = expandHome(path->second.toString(), home);
        folder.holdsCollections = holdsCollections(sections, s.name);
        reading.folders.push_back(std::move(folder));
    }
    return reading;
}

ConfigReading readKhalConfig(const QString& text, const QString& home) {
    ConfigReading reading;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool isInCalendars = false;
    std::optional<ConfiguredFolder> current;
    const auto finish = [&] {
        if (!current)
            return;
        if (current->path.isEmpty())
            reading.problems << QCoreApplication::translate("SetupConfigs",
                                                            "calendar %1 has no path")
                                    .arg(current->name);
        else
            reading.folders.push_back(*current);
        current.reset();
    };
    for (int i = 0; i < lines.size() && i < kMaxLines; ++i) {
        const QString trimmed = lines[i].trimmed();
        if (isComment(trimmed))
            continue;
        QString name;
        QString key;
        QString value;
        if (const int depth = sectionDepth(trimmed, &name); depth > 0) {
            finish();
            if (depth == 1)
                isInCalendars = name.toLower() == QLatin1String("calendars");
            else if (depth == 2 && isInCalendars)
                current = ConfiguredFolder{name, {}, false, false, false};
        } else if (!splitKey(trimmed, &key, &value)) {
            reading.problems << problem(
                i + 1, QCoreApplication::translate("SetupConfigs",
                                                   "not a section or a “key = value” line"));
        } else if (current && key == QLatin1String("path")) {
            current->path = expandHome(khalValue(value), home);
        } else if (current && key == QLatin1String("type")) {
            current->isPattern = khalValue(value).toLower() == QLatin1String("discover");
        } else if (current && key == QLatin1String("readonly")) {
            current->isReadOnly = isTrue(khalValue(value));
        }
    }
    finish();
    return reading;
}

} // namespace ruvo::platform::setup
