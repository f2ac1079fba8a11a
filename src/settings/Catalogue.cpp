// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Catalogue.h"

#include "settings/JsonForm.h"
#include "settings/Keys.h"

#include <QCoreApplication>

namespace ruvo::settings {

namespace {

template <typename T> CatalogueEntry entry(const Key<T>& key, const char* typeName) {
    CatalogueEntry e;
    e.name = key.name;
    e.suite = key.suite;
    e.typeName = QString::fromLatin1(typeName);
    e.range = key.range;
    e.readJson = [key](const Defaults& d) { return JsonForm<T>::toJson(d.get(key)); };
    e.writeJson = [key](const Defaults& d, const QJsonValue& json) -> kit::Result<void> {
        auto value = JsonForm<T>::fromJson(json);
        if (!value)
            return kit::fail(value.error());
        if (!isInRange(key, *value))
            return kit::fail(QCoreApplication::translate("Settings", "%1 is outside %2 to %3")
                                 .arg(QString::number(json.toDouble(), 'g', 17),
                                      QString::number(key.range->lowest),
                                      QString::number(key.range->highest)));
        d.set(key, *value);
        return {};
    };
    e.reset = [key](const Defaults& d) { d.reset(key); };
    e.registerDefault = [key](const Defaults& d) { d.registerDefault(key); };
    e.defaultJson = [key] { return JsonForm<T>::toJson(key.defaultValue); };
    return e;
}

std::vector<CatalogueEntry> buildCatalogue() {
    std::vector<CatalogueEntry> entries;
#define RUVO_KEY(Type, name, ...) entries.push_back(entry(keys::name, #Type));
#define RUVO_SHARED_KEY(Type, name, ...) entries.push_back(entry(keys::name, #Type));
#define RUVO_NAMED_KEY(Type, ident, stored, ...) entries.push_back(entry(keys::ident, #Type));
#define RUVO_RANGED_KEY(Type, name, ...) entries.push_back(entry(keys::name, #Type));
#include "settings/KeyList.h"
#undef RUVO_RANGED_KEY
#undef RUVO_KEY
#undef RUVO_SHARED_KEY
#undef RUVO_NAMED_KEY
    return entries;
}

} // namespace

const std::vector<CatalogueEntry>& catalogue() {
    static const std::vector<CatalogueEntry> entries = buildCatalogue(); // immutable table
    return entries;
}

std::optional<CatalogueEntry> findCatalogueEntry(const QString& name) {
    for (const CatalogueEntry& e : catalogue())
        if (e.name == name)
            return e;
    const QString prefix = runOnceKeyName(QString());
    if (name.startsWith(prefix) && name.size() > prefix.size())
        return entry(Key<bool>{name, false}, "bool");
    return std::nullopt;
}

void registerAllDefaults(const Defaults& defaults) {
    for (const CatalogueEntry& e : catalogue())
        e.registerDefault(defaults);
}

} // namespace ruvo::settings
