// SPDX-License-Identifier: GPL-3.0-or-later
// The one JSON form in which values go in and out of the command line: records as their
// JSON objects, enumerations by raw value, sets and arrays as arrays, Duration as a number
// of seconds, optionals as null, dates as ISO 8601 text, colours as "#rrggbbaa".
#pragma once

#include "settings/Bridge.h"

#include <QJsonArray>

namespace ruvo::settings {

template <typename T> struct JsonForm;

template <typename T> kit::Result<T> typeError(const char* expected) {
    return kit::fail(QStringLiteral("expected %1").arg(QLatin1String(expected)));
}

template <> struct JsonForm<bool> {
    static QJsonValue toJson(bool v) { return v; }
    static kit::Result<bool> fromJson(const QJsonValue& j) {
        return j.isBool() ? kit::Result<bool>(j.toBool()) : typeError<bool>("true or false");
    }
};

template <> struct JsonForm<int> {
    static QJsonValue toJson(int v) { return v; }
    static kit::Result<int> fromJson(const QJsonValue& j) {
        const double d = j.toDouble();
        if (!j.isDouble() || d != static_cast<double>(static_cast<int>(d)))
            return typeError<int>("an integer");
        return static_cast<int>(d);
    }
};

template <> struct JsonForm<double> {
    static QJsonValue toJson(double v) { return v; }
    static kit::Result<double> fromJson(const QJsonValue& j) {
        return j.isDouble() ? kit::Result<double>(j.toDouble()) : typeError<double>("a number");
    }
};

template <> struct JsonForm<QString> {
    static QJsonValue toJson(const QString& v) { return v; }
    static kit::Result<QString> fromJson(const QJsonValue& j) {
        return j.isString() ? kit::Result<QString>(j.toString()) : typeError<QString>("a string");
    }
};

template <> struct JsonForm<QDateTime> {
    static QJsonValue toJson(const QDateTime& v) { return v.toUTC().toString(Qt::ISODate); }
    static kit::Result<QDateTime> fromJson(const QJsonValue& j) {
        const QDateTime d = QDateTime::fromString(j.toString(), Qt::ISODateWithMs);
        if (!j.isString() || !d.isValid())
            return typeError<QDateTime>("an ISO 8601 date and time");
        return d.toUTC();
    }
};

template <> struct JsonForm<QUuid> {
    static QJsonValue toJson(const QUuid& v) { return uuidText(v); }
    static kit::Result<QUuid> fromJson(const QJsonValue& j) {
        if (auto id = uuidFromText(j.toString()); j.isString() && id)
            return *id;
        return typeError<QUuid>("a UUID (8-4-4-4-12 hexadecimal digits)");
    }
};

template <> struct JsonForm<Duration> {
    static QJsonValue toJson(const Duration& v) { return v.toSeconds(); }
    static kit::Result<Duration> fromJson(const QJsonValue& j) {
        return j.isDouble() ? kit::Result<Duration>(Duration::fromSeconds(j.toDouble()))
                            : typeError<Duration>("a number of seconds");
    }
};

template <> struct JsonForm<Rgba> {
    static QJsonValue toJson(const Rgba& v) { return v.text(); }
    static kit::Result<Rgba> fromJson(const QJsonValue& j) {
        if (auto c = Rgba::fromText(j.toString()); j.isString() && c)
            return *c;
        return typeError<Rgba>("a colour as \"#rrggbb\" or \"#rrggbbaa\"");
    }
};

template <> struct JsonForm<ShortcutSetting> {
    static QJsonValue toJson(const ShortcutSetting& v) {
        switch (v.state) {
        case ShortcutSetting::State::unset:
            return QJsonValue(QJsonValue::Null);
        case ShortcutSetting::State::removed:
            return false;
        case ShortcutSetting::State::set:
            return JsonCodec<KeyboardShortcut>::encode(v.shortcut);
        }
        return {};
    }
    static kit::Result<ShortcutSetting> fromJson(const QJsonValue& j) {
        if (j.isNull())
            return ShortcutSetting{};
        if (j.isBool() && !j.toBool())
            return ShortcutSetting::removed();
        auto shortcut = JsonCodec<KeyboardShortcut>::decode(j);
        if (!shortcut)
            return typeError<ShortcutSetting>(
                "{\"carbonKeyCode\": N, \"carbonModifiers\": N}, false or null");
        return ShortcutSetting::of(*shortcut);
    }
};

template <CatalogueEnum E> struct JsonForm<E> {
    static QJsonValue toJson(E v) {
        if constexpr (hasIntRawValues<E>())
            return static_cast<int>(v);
        else
            return caseName(v);
    }
    static kit::Result<E> fromJson(const QJsonValue& j) {
        std::optional<E> value;
        if constexpr (hasIntRawValues<E>())
            value = j.isDouble() ? enumFromIntRawValue<E>(static_cast<qint64>(j.toDouble()))
                                 : std::nullopt;
        else
            value = j.isString() ? enumFromCaseName<E>(j.toString()) : std::nullopt;
        if (value)
            return *value;
        QStringList names;
        for (const auto& c : EnumInfo<E>::cases)
            names << (hasIntRawValues<E>() ? QString::number(static_cast<int>(c.value))
                                           : QStringLiteral("\"%1\"").arg(QLatin1String(c.name)));
        return kit::fail(
            QStringLiteral("expected one of %1").arg(names.join(QStringLiteral(", "))));
    }
};

template <JsonRecord T> struct JsonForm<T> {
    static QJsonValue toJson(const T& v) { return JsonCodec<T>::encode(v); }
    static kit::Result<T> fromJson(const QJsonValue& j) { return JsonCodec<T>::decode(j); }
};

template <typename T> struct JsonForm<std::optional<T>> {
    static QJsonValue toJson(const std::optional<T>& v) {
        return v ? JsonForm<T>::toJson(*v) : QJsonValue(QJsonValue::Null);
    }
    static kit::Result<std::optional<T>> fromJson(const QJsonValue& j) {
        if (j.isNull())
            return std::optional<T>{};
        auto value = JsonForm<T>::fromJson(j);
        if (!value)
            return kit::fail(value.error() + QStringLiteral(" or null"));
        return std::optional<T>(std::move(value).value());
    }
};

template <typename Collection, typename T> struct CollectionJsonForm {
    static QJsonValue toJson(const Collection& values) {
        QJsonArray array;
        for (const T& v : values)
            array.append(JsonForm<T>::toJson(v));
        return array;
    }
    static kit::Result<Collection> fromJson(const QJsonValue& j) {
        if (!j.isArray())
            return kit::fail(QStringLiteral("expected an array"));
        Collection values;
        int index = 0;
        for (const QJsonValue& element : j.toArray()) {
            auto value = JsonForm<T>::fromJson(element);
            if (!value)
                return kit::fail(QStringLiteral("element %1: %2").arg(index).arg(value.error()));
            values.insert(values.end(), std::move(value).value());
            ++index;
        }
        return values;
    }
};

template <typename T> struct JsonForm<std::vector<T>> : CollectionJsonForm<std::vector<T>, T> {};
template <typename T> struct JsonForm<std::set<T>> : CollectionJsonForm<std::set<T>, T> {};

} // namespace ruvo::settings
