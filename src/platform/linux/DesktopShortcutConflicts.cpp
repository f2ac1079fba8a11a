// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DesktopShortcutConflicts.h"

#include "platform/linux/PlatformLog.h"

#include <QFile>
#include <QStandardPaths>
#include <memory>

#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>

namespace ruvo::platform {

namespace {

constexpr qint64 kMaxKdeFileBytes = 4 * 1024 * 1024;
constexpr int kMaxCustomShortcuts = 200;
const char* const kCustomList = "custom-keybindings";
const char* const kCustomSchema = "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding";

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct SchemaUnref {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};
struct SourceUnref {
    void operator()(GSettingsSchemaSource* source) const { g_settings_schema_source_unref(source); }
};
using Settings = std::unique_ptr<GSettings, GObjectUnref>;
using Schema = std::unique_ptr<GSettingsSchema, SchemaUnref>;

// The schemas of one look-up, with the backend their values come from.
struct SchemaReader {
    std::unique_ptr<GSettingsSchemaSource, SourceUnref> source;
    std::unique_ptr<GSettingsBackend, GObjectUnref> backend; // null: the user's settings

    Schema schema(const char* id) const {
        return Schema(source ? g_settings_schema_source_lookup(source.get(), id, TRUE) : nullptr);
    }
    Settings settings(GSettingsSchema* schema, const char* path = nullptr) const {
        return Settings(g_settings_new_full(schema, backend.get(), path));
    }
};

SchemaReader readerFor(const QString& directory) {
    SchemaReader reader;
    if (directory.isEmpty()) {
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        reader.source.reset(source ? g_settings_schema_source_ref(source) : nullptr);
        return reader;
    }
    reader.source.reset(g_settings_schema_source_new_from_directory(
        QFile::encodeName(directory).constData(), nullptr, FALSE, nullptr));
    reader.backend.reset(g_memory_settings_backend_new());
    return reader;
}

// The accelerators of one key, whether a list ("as") or a single one ("s").
QStringList acceleratorsOf(GSettings* settings, const char* key) {
    QStringList list;
    GVariant* value = g_settings_get_value(settings, key);
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING)) {
        list << QString::fromUtf8(g_variant_get_string(value, nullptr));
    } else if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING_ARRAY)) {
        gsize count = 0;
        const gchar** strings = g_variant_get_strv(value, &count);
        for (gsize i = 0; i < count; ++i)
            list << QString::fromUtf8(strings[i]);
        g_free(strings);
    }
    g_variant_unref(value);
    return list;
}

QString summaryOf(GSettingsSchema* schema, const char* key) {
    GSettingsSchemaKey* schemaKey = g_settings_schema_get_key(schema, key);
    const gchar* summary = g_settings_schema_key_get_summary(schemaKey);
    QString text = summary ? QString::fromUtf8(summary) : QString::fromUtf8(key);
    g_settings_schema_key_unref(schemaKey);
    return text;
}

void addAccelerators(const QStringList& accelerators, const QString& action,
                     std::vector<DesktopBinding>& bindings) {
    for (const QString& accelerator : accelerators)
        if (const auto keys = gnomeAccelerator(accelerator))
            bindings.push_back({*keys, action});
}

// The user's own shortcuts of GNOME's keyboard settings, each under its own path.
void addCustomShortcuts(const SchemaReader& reader, GSettings* mediaKeys,
                        std::vector<DesktopBinding>& bindings) {
    const Schema schema = reader.schema(kCustomSchema);
    if (!schema)
        return;
    const QStringList paths = acceleratorsOf(mediaKeys, kCustomList).mid(0, kMaxCustomShortcuts);
    for (const QString& path : paths) {
        // GSettings aborts on a malformed path: it starts and ends with "/", without "//".
        if (!path.startsWith(QLatin1Char('/')) || !path.endsWith(QLatin1Char('/')) ||
            path.contains(QLatin1String("//")))
            continue;
        const Settings custom = reader.settings(schema.get(), path.toUtf8().constData());
        addAccelerators(acceleratorsOf(custom.get(), "binding"),
                        acceleratorsOf(custom.get(), "name").value(0), bindings);
    }
}

void addSchema(const SchemaReader& reader, GSettingsSchema* schema,
               std::vector<DesktopBinding>& bindings) {
    const Settings settings = reader.settings(schema);
    gchar** keys = g_settings_schema_list_keys(schema);
    for (gchar** key = keys; *key; ++key) {
        if (qstrcmp(*key, kCustomList) == 0)
            addCustomShortcuts(reader, settings.get(), bindings);
        else
            addAccelerators(acceleratorsOf(settings.get(), *key), summaryOf(schema, *key),
                            bindings);
    }
    g_strfreev(keys);
}

} // namespace

std::vector<DesktopBinding> gnomeBindings(const QStringList& schemaIds,
                                          const QString& schemaDirectory) {
    std::vector<DesktopBinding> bindings;
    const SchemaReader reader = readerFor(schemaDirectory);
    if (!reader.source)
        return bindings;
    for (const QString& id : schemaIds)
        if (const Schema schema = reader.schema(id.toUtf8().constData());
            schema && g_settings_schema_get_path(schema.get())) // a relocatable one has no values
            addSchema(reader, schema.get(), bindings);
    return bindings;
}

DesktopShortcutConflicts::Sources DesktopShortcutConflicts::userSources() {
    return Sources{{QStringLiteral("org.gnome.desktop.wm.keybindings"),
                    QStringLiteral("org.gnome.shell.keybindings"),
                    QStringLiteral("org.gnome.mutter.keybindings"),
                    QStringLiteral("org.gnome.mutter.wayland.keybindings"),
                    QStringLiteral("org.gnome.settings-daemon.plugins.media-keys")},
                   QString(),
                   QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/kglobalshortcutsrc")};
}

DesktopShortcutConflicts::DesktopShortcutConflicts(Sources sources)
    : m_sources(std::move(sources)) {}

std::vector<DesktopBinding> DesktopShortcutConflicts::bindings() const {
    std::vector<DesktopBinding> all =
        gnomeBindings(m_sources.gnomeSchemas, m_sources.schemaDirectory);
    QFile kde(m_sources.kdeFile);
    if (kde.size() > kMaxKdeFileBytes) {
        qCWarning(lcPlatform) << "Skipping the KDE shortcuts of" << kde.fileName()
                              << ": the file is too large";
    } else if (kde.open(QIODevice::ReadOnly)) {
        for (DesktopBinding& binding : kdeBindings(QString::fromUtf8(kde.readAll())))
            all.push_back(std::move(binding));
    }
    return all;
}

std::optional<QString> DesktopShortcutConflicts::desktopActionUsing(QKeyCombination keys) const {
    for (const DesktopBinding& binding : bindings())
        if (isSameCombination(binding.keys, keys))
            return binding.action;
    return std::nullopt;
}

} // namespace ruvo::platform
