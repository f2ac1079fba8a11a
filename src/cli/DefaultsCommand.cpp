// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DefaultsCommand.h"

#include "cli/Verbs.h"
#include "settings/Catalogue.h"
#include "settings/Json.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ruvo::cli {

namespace {

using cli::CommandContext;
using settings::CatalogueEntry;

const char* const kUsage = "usage: ruvo defaults read [--raw] KEY\n"
                           "       ruvo defaults write KEY JSON\n"
                           "       ruvo defaults delete KEY\n"
                           "       ruvo defaults list\n";

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

// The key named by the first of exactly `count` arguments; complains and gives nothing
// when the arguments or the key are wrong.
std::optional<CatalogueEntry> keyArgument(CommandContext& c, const QStringList& args,
                                          qsizetype count) {
    if (args.size() != count) {
        c.err << kUsage;
        return std::nullopt;
    }
    auto entry = settings::findCatalogueEntry(args[0]);
    if (!entry)
        c.err << "ruvo defaults: unknown key \"" << args[0]
              << "\" (ruvo defaults list shows every key)\n";
    return entry;
}

int read(CommandContext& c, QStringList args) {
    const bool raw = args.removeAll(QStringLiteral("--raw")) > 0;
    const auto entry = keyArgument(c, args, 1);
    if (!entry)
        return cli::kExitUsage;
    if (!raw) {
        c.out << settings::jsonText(entry->readJson(c.defaults)) << "\n";
        return cli::kExitOk;
    }
    const QVariant stored = c.defaults.suite(entry->suite).storedObject(entry->name);
    if (!stored.isValid())
        return cli::kExitNothing;
    c.out << settings::jsonText(storedObjectJson(stored)) << "\n";
    return cli::kExitOk;
}

int write(CommandContext& c, const QStringList& args) {
    const auto entry = keyArgument(c, args, 2);
    if (!entry)
        return cli::kExitUsage;
    const auto json = settings::parseJson(args[1]);
    const kit::Result<void> written =
        json ? entry->writeJson(c.defaults, *json) : kit::Result<void>(kit::fail(json.error()));
    if (!written) {
        c.err << "ruvo defaults: " << entry->name << " (" << entry->typeName
              << "): " << written.error() << "; nothing was written\n";
        return cli::kExitUsage;
    }
    return cli::kExitOk;
}

int remove(CommandContext& c, const QStringList& args) {
    const auto entry = keyArgument(c, args, 1);
    if (!entry)
        return cli::kExitUsage;
    entry->reset(c.defaults);
    return cli::kExitOk;
}

int list(CommandContext& c) {
    for (const CatalogueEntry& e : settings::catalogue()) {
        const bool stored = c.defaults.suite(e.suite).storedObject(e.name).isValid();
        c.out << e.name << " (" << e.typeName
              << ") = " << settings::jsonText(e.readJson(c.defaults))
              << (stored ? "" : "  [default]") << "\n";
    }
    return cli::kExitOk;
}

int listAll(CommandContext& c, const QStringList& arguments) {
    if (!arguments.isEmpty()) {
        c.err << kUsage;
        return cli::kExitUsage;
    }
    return list(c);
}

int run(CommandContext& c, const QStringList& arguments) {
    if (auto status =
            cli::runVerb(c, arguments,
                         {{"read", read}, {"write", write}, {"delete", remove}, {"list", listAll}}))
        return *status;
    c.err << kUsage;
    return cli::kExitUsage;
}

} // namespace

cli::Command defaultsCommand() {
    return {QStringLiteral("defaults"), QStringLiteral("read, write, delete and list settings"),
            QString::fromLatin1(kUsage), &run};
}

} // namespace ruvo::cli
