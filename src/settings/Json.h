// SPDX-License-Identifier: GPL-3.0-or-later
// JSON documents of the records the settings hold.
//
// A record type T is "codable" when JsonCodec<T> has
//   static QJsonValue encode(const T&);
//   static kit::Result<T> decode(const QJsonValue&);
// Encoded text is compact with object keys sorted (QJsonObject keeps them sorted).
#pragma once

#include "kit/Result.h"
#include "settings/Enum.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QUuid>
#include <set>
#include <vector>

namespace ruvo::settings {

template <typename T> struct JsonCodec;

template <typename T>
concept JsonRecord = requires(const T& value, const QJsonValue& json) {
    { JsonCodec<T>::encode(value) } -> std::convertible_to<QJsonValue>;
    { JsonCodec<T>::decode(json) } -> std::same_as<kit::Result<T>>;
};

// Compact JSON text of any value, scalars included ("\"abc\"", "3", "true").
QString jsonText(const QJsonValue& value);
// Parses any JSON value, scalars included.
kit::Result<QJsonValue> parseJson(const QString& text);

// The canonical upper-case 8-4-4-4-12 form.
QString uuidText(const QUuid& id);
std::optional<QUuid> uuidFromText(const QString& text);

// Reads the fields of one JSON object, remembering the first problem.
// Absent keys take the given default; a key present with the wrong JSON type is an error.
class JsonFields {
public:
    explicit JsonFields(const QJsonValue& value);

    bool isOk() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    bool has(const char* key) const { return m_object.contains(QLatin1String(key)); }
    void fail(const QString& problem);

    bool boolean(const char* key, std::optional<bool> fallback = std::nullopt);
    QString string(const char* key, std::optional<QString> fallback = std::nullopt);
    std::optional<QString> optionalString(const char* key);
    qint64 integer(const char* key, std::optional<qint64> fallback = std::nullopt);
    QUuid uuid(const char* key);
    std::vector<QString> strings(const char* key);
    QJsonValue value(const char* key); // required, any type

    template <CatalogueEnum E>
    E enumeration(const char* key, std::optional<E> fallback = std::nullopt) {
        const QJsonValue v = field(key, fallback.has_value());
        if (v.isUndefined())
            return fallback.value_or(E{});
        if (auto e = enumFromCaseName<E>(v.toString()); v.isString() && e)
            return *e;
        fail(QStringLiteral("\"%1\" is not a valid value for \"%2\"")
                 .arg(v.toString(), QLatin1String(key)));
        return fallback.value_or(E{});
    }

    template <CatalogueEnum E>
    std::set<E> enumSet(const char* key, std::optional<std::set<E>> fallback = std::nullopt) {
        const QJsonValue v = field(key, fallback.has_value());
        if (v.isUndefined())
            return fallback.value_or(std::set<E>{});
        std::set<E> result;
        if (!v.isArray()) {
            fail(QStringLiteral("\"%1\" is not an array").arg(QLatin1String(key)));
            return result;
        }
        for (const QJsonValue& element : v.toArray()) {
            auto e = enumFromCaseName<E>(element.toString());
            if (!element.isString() || !e) {
                fail(QStringLiteral("\"%1\" is not a valid value for \"%2\"")
                         .arg(element.toString(), QLatin1String(key)));
                return result;
            }
            result.insert(*e);
        }
        return result;
    }

    template <JsonRecord T> std::vector<T> records(const char* key) {
        std::vector<T> result;
        const QJsonValue v = field(key, false);
        if (!isOk())
            return result;
        if (!v.isArray()) {
            fail(QStringLiteral("\"%1\" is not an array").arg(QLatin1String(key)));
            return result;
        }
        for (const QJsonValue& element : v.toArray()) {
            auto decoded = JsonCodec<T>::decode(element);
            if (!decoded) {
                fail(decoded.error());
                return result;
            }
            result.push_back(std::move(decoded).value());
        }
        return result;
    }

private:
    // The value under `key`; undefined (and, unless `optional`, an error) when absent.
    QJsonValue field(const char* key, bool optional);
    template <typename Check>
    QJsonValue typed(const char* key, bool optional, Check check, const char* typeName);

    QJsonObject m_object;
    QString m_error;
};

template <CatalogueEnum E> QJsonArray enumArray(const std::set<E>& values) {
    QJsonArray array;
    for (E value : values)
        array.append(caseName(value));
    return array;
}

QJsonArray stringArray(const std::vector<QString>& values);
QJsonArray stringArray(const std::set<QString>& values);

} // namespace ruvo::settings
