// SPDX-License-Identifier: GPL-3.0-or-later
// How each value type is kept in a suite (its stored form) and read back.
//
//   Bridge<T>::serialize(value)   -> the property-list object; an invalid QVariant means
//                                    "store nothing" (an empty optional)
//   Bridge<T>::deserialize(object) -> the value, or nothing when the object does not convert
//
// native values as they are; enums by raw value; records as the JSON text of the record;
// optionals through the wrapped type; arrays and sets as arrays (elements through their own
// bridge, failures dropped); dictionaries as dictionaries; UUID as its canonical string;
// URL as the JSON text of its string; Duration as the JSON text of its attosecond halves;
// colours as "#rrggbbaa"; fonts as the JSON text of their descriptor.
#pragma once

#include "settings/Json.h"
#include "settings/records/Appearance.h"
#include "settings/records/Duration.h"
#include "settings/records/KeyboardShortcut.h"

#include <QDateTime>
#include <QUrl>
#include <QUuid>
#include <QVariant>
#include <map>

namespace ruvo::settings {

template <typename T> struct Bridge;

template <typename T>
concept Bridged = requires(const T& value, const QVariant& object) {
    { Bridge<T>::serialize(value) } -> std::same_as<QVariant>;
    { Bridge<T>::deserialize(object) } -> std::same_as<std::optional<T>>;
};

// A value the suite holds natively: stored as is, read back with a type check.
template <typename T, QMetaType::Type... Accepted> struct NativeBridge {
    static constexpr bool isNative = true;
    static QVariant serialize(const T& value) { return QVariant::fromValue(value); }
    static std::optional<T> deserialize(const QVariant& object) {
        if (((object.typeId() == Accepted) || ...))
            return object.value<T>();
        return std::nullopt;
    }
};

template <> struct Bridge<bool> : NativeBridge<bool, QMetaType::Bool> {};
template <> struct Bridge<QString> : NativeBridge<QString, QMetaType::QString> {};
template <> struct Bridge<QByteArray> : NativeBridge<QByteArray, QMetaType::QByteArray> {};
template <>
struct Bridge<double>
    : NativeBridge<double, QMetaType::Double, QMetaType::LongLong, QMetaType::Int> {};
template <> struct Bridge<QDateTime> : NativeBridge<QDateTime, QMetaType::QDateTime> {};
template <> struct Bridge<int> : NativeBridge<int, QMetaType::LongLong, QMetaType::Int> {
    static QVariant serialize(int value) { return QVariant(qlonglong{value}); }
};
template <> struct Bridge<qint64> : NativeBridge<qint64, QMetaType::LongLong, QMetaType::Int> {};

template <CatalogueEnum E> struct Bridge<E> {
    static QVariant serialize(E value) {
        if constexpr (hasIntRawValues<E>())
            return QVariant(qlonglong(static_cast<int>(value)));
        else
            return QVariant(caseName(value));
    }
    static std::optional<E> deserialize(const QVariant& object) {
        if constexpr (hasIntRawValues<E>()) {
            if (object.typeId() != QMetaType::LongLong && object.typeId() != QMetaType::Int)
                return std::nullopt;
            return enumFromIntRawValue<E>(object.toLongLong());
        } else {
            if (object.typeId() != QMetaType::QString)
                return std::nullopt;
            return enumFromCaseName<E>(object.toString());
        }
    }
};

template <JsonRecord T> struct Bridge<T> {
    static QVariant serialize(const T& value) { return jsonText(JsonCodec<T>::encode(value)); }
    static std::optional<T> deserialize(const QVariant& object) {
        if (object.typeId() != QMetaType::QString)
            return std::nullopt;
        auto json = parseJson(object.toString());
        if (!json)
            return std::nullopt;
        auto value = JsonCodec<T>::decode(*json);
        if (!value)
            return std::nullopt;
        return std::move(value).value();
    }
};

template <> struct Bridge<Duration> {
    static QVariant serialize(const Duration& value) { return value.storedText(); }
    static std::optional<Duration> deserialize(const QVariant& object) {
        if (object.typeId() != QMetaType::QString)
            return std::nullopt;
        return Duration::fromStoredText(object.toString());
    }
};

template <> struct Bridge<QUuid> {
    static QVariant serialize(const QUuid& value) { return uuidText(value); }
    static std::optional<QUuid> deserialize(const QVariant& object) {
        if (object.typeId() != QMetaType::QString)
            return std::nullopt;
        return uuidFromText(object.toString());
    }
};

template <> struct Bridge<QUrl> {
    static QVariant serialize(const QUrl& value) {
        return jsonText(value.toString(QUrl::FullyEncoded));
    }
    static std::optional<QUrl> deserialize(const QVariant& object) {
        if (object.typeId() != QMetaType::QString)
            return std::nullopt;
        auto json = parseJson(object.toString());
        if (!json || !json->isString())
            return std::nullopt;
        const QUrl url(json->toString(), QUrl::StrictMode);
        return url.isValid() ? std::optional<QUrl>(url) : std::nullopt;
    }
};

template <> struct Bridge<Rgba> {
    static QVariant serialize(const Rgba& value) { return value.text(); }
    static std::optional<Rgba> deserialize(const QVariant& object) {
        if (object.typeId() != QMetaType::QString)
            return std::nullopt;
        return Rgba::fromText(object.toString());
    }
};

// A shortcut name's setting: the shortcut's JSON text, false when removed, nothing when unset.
template <> struct Bridge<ShortcutSetting> {
    static QVariant serialize(const ShortcutSetting& value) {
        switch (value.state) {
        case ShortcutSetting::State::unset:
            return {};
        case ShortcutSetting::State::removed:
            return QVariant(false);
        case ShortcutSetting::State::set:
            return Bridge<KeyboardShortcut>::serialize(value.shortcut);
        }
        return {};
    }
    static std::optional<ShortcutSetting> deserialize(const QVariant& object) {
        if (object.typeId() == QMetaType::Bool && !object.toBool())
            return ShortcutSetting::removed();
        if (auto shortcut = Bridge<KeyboardShortcut>::deserialize(object))
            return ShortcutSetting::of(*shortcut);
        return std::nullopt; // not a decodable JSON string: no shortcut, the default applies
    }
};

template <Bridged T> struct Bridge<std::optional<T>> {
    static QVariant serialize(const std::optional<T>& value) {
        return value ? Bridge<T>::serialize(*value) : QVariant{};
    }
    static std::optional<std::optional<T>> deserialize(const QVariant& object) {
        if (auto value = Bridge<T>::deserialize(object))
            return std::optional<T>(std::move(*value));
        return std::nullopt;
    }
};

// Arrays and sets: elements through their own bridge; one that does not convert is dropped.
template <typename Collection, Bridged T> struct CollectionBridge {
    static QVariant serialize(const Collection& values) {
        QVariantList list;
        for (const T& value : values)
            if (QVariant object = Bridge<T>::serialize(value); object.isValid())
                list.append(object);
        return list;
    }
    static std::optional<Collection> deserialize(const QVariant& object) {
        if (object.typeId() != QMetaType::QVariantList)
            return std::nullopt;
        Collection values;
        for (const QVariant& element : object.toList()) {
            if (auto value = Bridge<T>::deserialize(element))
                values.insert(values.end(), std::move(*value));
        }
        return values;
    }
};

template <Bridged T> struct Bridge<std::vector<T>> : CollectionBridge<std::vector<T>, T> {};
template <Bridged T> struct Bridge<std::set<T>> : CollectionBridge<std::set<T>, T> {};

template <Bridged T> struct Bridge<std::map<QString, T>> {
    static QVariant serialize(const std::map<QString, T>& values) {
        QVariantMap map;
        for (const auto& [key, value] : values)
            if (QVariant object = Bridge<T>::serialize(value); object.isValid())
                map.insert(key, object);
        return map;
    }
    static std::optional<std::map<QString, T>> deserialize(const QVariant& object) {
        if (object.typeId() != QMetaType::QVariantMap)
            return std::nullopt;
        std::map<QString, T> values;
        const QVariantMap map = object.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            if (auto value = Bridge<T>::deserialize(it.value()))
                values.emplace(it.key(), std::move(*value));
        return values;
    }
};

} // namespace ruvo::settings
