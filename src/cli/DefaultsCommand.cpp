// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DefaultsCommand.h"

#include "settings/Catalogue.h"
#include "settings/Json.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::cli {

namespace {

using cli::CommandContext;
using settings::CatalogueEntry;

// A stored property-list object as JSON: dates as ISO 8601, data as base64.
QJsonValue storedObjectJson(const QVariant& object) {
    switch (object.typeId()) {
    case QMetaType::QDateTime:
        return object.toDateTime().toUTC().toString(Qt::ISODate);
    case QMetaType::QByteArray:
        return QString::fromLatin1(object.toByteArray().toBase64());
    case QMetaType::QVariantList: {
        QJsonArray array;
        for (const QVariant& element : object.toList())
            array.append(storedObjectJson(element));
        return array;
    }
    case QMetaType::QVariantMap: {
        QJsonObject map;
        const QVariantMap m = object.toMap();
        for (auto it = m.begin(); it != m.end(); ++it)
            map.insert(it.key(), storedObjectJson(it.value()));
        return map;
    }
    default:
        return QJsonValue::fromVariant(object);
    }
}

// The key the first argument names; complains and gives nothing when there is no such key.
std::optional<CatalogueEntry> keyArgument(const Invocation& line) {
    auto entry = settings::findCatalogueEntry(line.argument(0));
    if (!entry)
        line.usageError(QCoreApplication::translate(
                            "cli", "unknown key \"%1\" (ruvo defaults list shows every key)")
                            .arg(line.argument(0)));
    return entry;
}

int read(CommandContext& c, const Invocation& line) {
    const auto entry = keyArgument(line);
    if (!entry)
        return cli::kExitUsage;
    if (!line.isSet("raw")) {
        c.out << settings::jsonText(entry->readJson(c.defaults)) << "\n";
        return cli::kExitOk;
    }
    const QVariant stored = c.defaults.suite(entry->suite).storedObject(entry->name);
    if (!stored.isValid())
        return cli::kExitNothing;
    c.out << settings::jsonText(storedObjectJson(stored)) << "\n";
    return cli::kExitOk;
}

int write(CommandContext& c, const Invocation& line) {
    const auto entry = keyArgument(line);
    if (!entry)
        return cli::kExitUsage;
    const auto json = settings::parseJson(line.argument(1));
    const kit::Result<void> written =
        json ? entry->writeJson(c.defaults, *json) : kit::Result<void>(kit::fail(json.error()));
    if (!written)
        return line.usageError(
            QCoreApplication::translate("cli", "%1 (%2): %3; nothing was written")
                .arg(entry->name, entry->typeName, written.error()));
    return cli::kExitOk;
}

int remove(CommandContext& c, const Invocation& line) {
    const auto entry = keyArgument(line);
    if (!entry)
        return cli::kExitUsage;
    entry->reset(c.defaults);
    return cli::kExitOk;
}

int list(CommandContext& c, const Invocation&) {
    for (const CatalogueEntry& e : settings::catalogue()) {
        const bool stored = c.defaults.suite(e.suite).storedObject(e.name).isValid();
        c.out << e.name << " (" << e.typeName
              << ") = " << settings::jsonText(e.readJson(c.defaults))
              << (stored ? "" : "  [default]") << "\n";
    }
    return cli::kExitOk;
}

} // namespace

cli::Command defaultsCommand() {
    return {QStringLiteral("defaults"),
            QT_TRANSLATE_NOOP("cli", "read, write, delete and list settings"),
            {{.verb = "read",
              .arguments = "KEY",
              .minArguments = 1,
              .maxArguments = 1,
              .options = {{"raw", QT_TRANSLATE_NOOP("cli", "the stored object; exit status 1 "
                                                           "when nothing is stored")}},
              .run = &read},
             {.verb = "write",
              .arguments = "KEY JSON",
              .minArguments = 2,
              .maxArguments = 2,
              .notes = QT_TRANSLATE_NOOP("cli", "  (a value of the wrong type is refused)"),
              .hasOptionsBeforeArguments = true, // JSON may be a negative number
              .run = &write},
             {.verb = "delete",
              .arguments = "KEY",
              .minArguments = 1,
              .maxArguments = 1,
              .run = &remove},
             {.verb = "list", .run = &list}}};
}

} // namespace ruvo::cli
