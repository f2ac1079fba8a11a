// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Json.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <cmath>

namespace ruvo::settings {

QString jsonText(const QJsonValue& value) {
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    const QString wrapped =
        QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
    return wrapped.mid(1, wrapped.size() - 2);
}

kit::Result<QJsonValue> parseJson(const QString& text) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(
        (QStringLiteral("[") + text + QStringLiteral("]")).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || doc.array().size() != 1)
        return kit::fail(QStringLiteral("not valid JSON: %1")
                             .arg(error.error != QJsonParseError::NoError
                                      ? error.errorString()
                                      : QStringLiteral("expected one value")));
    return doc.array().at(0);
}

QString uuidText(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> uuidFromText(const QString& text) {
    static const QRegularExpression form(QStringLiteral(
        "^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    return QUuid::fromString(text);
}

JsonFields::JsonFields(const QJsonValue& value) : m_object(value.toObject()) {
    if (!value.isObject())
        m_error = QStringLiteral("expected a JSON object");
}

void JsonFields::fail(const QString& problem) {
    if (m_error.isEmpty())
        m_error = problem;
}

QJsonValue JsonFields::field(const char* key, bool optional) {
    const auto it = m_object.constFind(QLatin1String(key));
    if (it == m_object.constEnd() || it->isUndefined()) {
        if (!optional)
            fail(QStringLiteral("the key \"%1\" is missing").arg(QLatin1String(key)));
        return QJsonValue(QJsonValue::Undefined);
    }
    return *it;
}

template <typename Check>
QJsonValue JsonFields::typed(const char* key, bool optional, Check check, const char* typeName) {
    const QJsonValue v = field(key, optional);
    if (v.isUndefined() || check(v))
        return v;
    fail(QStringLiteral("\"%1\" is not %2").arg(QLatin1String(key), QLatin1String(typeName)));
    return QJsonValue(QJsonValue::Undefined);
}

bool JsonFields::boolean(const char* key, std::optional<bool> fallback) {
    const QJsonValue v = typed(
        key, fallback.has_value(), [](const QJsonValue& j) { return j.isBool(); }, "a boolean");
    return v.isUndefined() ? fallback.value_or(false) : v.toBool();
}

QString JsonFields::string(const char* key, std::optional<QString> fallback) {
    const QJsonValue v = typed(
        key, fallback.has_value(), [](const QJsonValue& j) { return j.isString(); }, "a string");
    return v.isUndefined() ? fallback.value_or(QString{}) : v.toString();
}

std::optional<QString> JsonFields::optionalString(const char* key) {
    const QJsonValue v = typed(
        key, true, [](const QJsonValue& j) { return j.isString() || j.isNull(); }, "a string");
    if (v.isUndefined() || v.isNull())
        return std::nullopt;
    return v.toString();
}

qint64 JsonFields::integer(const char* key, std::optional<qint64> fallback) {
    const auto isInteger = [](const QJsonValue& j) {
        return j.isDouble() && std::floor(j.toDouble()) == j.toDouble() &&
               std::abs(j.toDouble()) < 9.0e15;
    };
    const QJsonValue v = typed(key, fallback.has_value(), isInteger, "an integer");
    return v.isUndefined() ? fallback.value_or(0) : static_cast<qint64>(v.toDouble());
}

QUuid JsonFields::uuid(const char* key) {
    const QString text = string(key);
    if (!isOk())
        return {};
    if (auto id = uuidFromText(text))
        return *id;
    fail(QStringLiteral("\"%1\" is not a UUID").arg(QLatin1String(key)));
    return {};
}

std::vector<QString> JsonFields::strings(const char* key) {
    std::vector<QString> result;
    const QJsonValue v = typed(
        key, false, [](const QJsonValue& j) { return j.isArray(); }, "an array");
    for (const QJsonValue& element : v.toArray()) {
        if (!element.isString()) {
            fail(QStringLiteral("\"%1\" holds a value that is not a string")
                     .arg(QLatin1String(key)));
            return {};
        }
        result.push_back(element.toString());
    }
    return result;
}

QJsonValue JsonFields::value(const char* key) {
    return field(key, false);
}

QJsonArray stringArray(const std::vector<QString>& values) {
    QJsonArray array;
    for (const QString& s : values)
        array.append(s);
    return array;
}

QJsonArray stringArray(const std::set<QString>& values) {
    QJsonArray array;
    for (const QString& s : values)
        array.append(s);
    return array;
}

} // namespace ruvo::settings
