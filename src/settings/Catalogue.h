// SPDX-License-Identifier: GPL-3.0-or-later
// Every key of the settings, without its type: for listing, for the command line, and to
// register every default at start. In the declared order of KeyList.h.
#pragma once

#include "settings/Defaults.h"

#include <QJsonValue>
#include <functional>

namespace ruvo::settings {

struct CatalogueEntry {
    QString name;
    SuiteId suite = SuiteId::standard;
    QString typeName;
    std::optional<ValueRange> range;                     // the values a number key accepts
    std::function<QJsonValue(const Defaults&)> readJson; // through the key
    std::function<kit::Result<void>(const Defaults&, const QJsonValue&)> writeJson; // type-checked
    std::function<void(const Defaults&)> reset;
    std::function<void(const Defaults&)> registerDefault;
    std::function<QJsonValue()> defaultJson;
};

const std::vector<CatalogueEntry>& catalogue();

// The entry of a key name, including the one-time markers ("Zu_App_runOnce__" + any name).
std::optional<CatalogueEntry> findCatalogueEntry(const QString& name);

// Registers the default of every key in its suite's registration domain.
void registerAllDefaults(const Defaults& defaults);

} // namespace ruvo::settings
