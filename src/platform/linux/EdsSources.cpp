// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/EdsSources.h"

#include "platform/linux/EdsGlib.h"

#include <QColor>
#include <QCoreApplication>

namespace ruvo::platform::eds {

namespace {

constexpr int kMaxIdentities = 64;

GObjectPtr<ESource> parentOf(ESourceRegistry* registry, ESource* source) {
    const gchar* parent = e_source_get_parent(source);
    if (!parent || !*parent)
        return nullptr;
    return GObjectPtr<ESource>(e_source_registry_ref_source(registry, parent));
}

void addAddress(QStringList& addresses, const gchar* text) {
    QString address = fromUtf8(text).trimmed();
    if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        address = address.mid(7);
    if (address.contains(QLatin1Char('@')) && !address.contains(QLatin1Char(' ')) &&
        !addresses.contains(address, Qt::CaseInsensitive))
        addresses << address;
}

void addAuthenticationUser(QStringList& addresses, ESource* source) {
    if (source && e_source_has_extension(source, E_SOURCE_EXTENSION_AUTHENTICATION))
        addAddress(addresses,
                   e_source_authentication_get_user(E_SOURCE_AUTHENTICATION(
                       e_source_get_extension(source, E_SOURCE_EXTENSION_AUTHENTICATION))));
}

const char* extensionName(EntityType kind) {
    return kind == EntityType::event ? E_SOURCE_EXTENSION_CALENDAR : E_SOURCE_EXTENSION_TASK_LIST;
}

} // namespace

QString calendarColour(const QString& edsColour) {
    const QColor colour(edsColour.trimmed());
    if (!colour.isValid())
        return QStringLiteral("#8e8e93");
    return colour.name(QColor::HexRgb);
}

Calendar calendarOfSource(void* registryPointer, void* sourcePointer, EntityType kind) {
    auto* registry = static_cast<ESourceRegistry*>(registryPointer);
    auto* source = static_cast<ESource*>(sourcePointer);
    Calendar calendar;
    calendar.identifier = fromUtf8(e_source_get_uid(source));
    calendar.title = fromUtf8(e_source_get_display_name(source)).left(200);
    calendar.kind = kind;
    if (e_source_has_extension(source, extensionName(kind)))
        calendar.colour = calendarColour(fromUtf8(e_source_selectable_get_color(
            E_SOURCE_SELECTABLE(e_source_get_extension(source, extensionName(kind))))));
    else
        calendar.colour = calendarColour(QString());
    const auto parent = parentOf(registry, source);
    calendar.source = parent ? fromUtf8(e_source_get_display_name(parent.get())).left(200)
                             : QCoreApplication::translate("EdsCalendarStore", "Evolution");
    calendar.backend = QStringLiteral("eds");
    return calendar;
}

QStringList userAddressesOfSource(void* registryPointer, void* sourcePointer) {
    auto* registry = static_cast<ESourceRegistry*>(registryPointer);
    auto* source = static_cast<ESource*>(sourcePointer);
    QStringList addresses;
    if (e_source_has_extension(source, E_SOURCE_EXTENSION_WEBDAV_BACKEND))
        addAddress(addresses,
                   e_source_webdav_get_email_address(E_SOURCE_WEBDAV(
                       e_source_get_extension(source, E_SOURCE_EXTENSION_WEBDAV_BACKEND))));
    addAuthenticationUser(addresses, source);
    addAuthenticationUser(addresses, parentOf(registry, source).get());
    GList* identities = e_source_registry_list_enabled(registry, E_SOURCE_EXTENSION_MAIL_IDENTITY);
    int count = 0;
    for (GList* l = identities; l && count < kMaxIdentities; l = l->next, ++count)
        addAddress(addresses,
                   e_source_mail_identity_get_address(E_SOURCE_MAIL_IDENTITY(e_source_get_extension(
                       E_SOURCE(l->data), E_SOURCE_EXTENSION_MAIL_IDENTITY))));
    g_list_free_full(identities, g_object_unref);
    return addresses;
}

} // namespace ruvo::platform::eds
