// SPDX-License-Identifier: GPL-3.0-or-later
// Enumerations of the catalogue: each lists its cases in declared order with the case name,
// which is also its stored raw value, unless the enum declares integer raw values.
//
//   template <> struct EnumInfo<Kind> {
//       static constexpr std::array cases{EnumCase<Kind>{Kind::a, "a"}, ...};
//       static constexpr bool hasIntRawValues = false; // optional; true stores int(value)
//   };
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace ruvo::settings {

template <typename E> struct EnumCase {
    E value;
    const char* name;
};

template <typename E> struct EnumInfo;

template <typename E>
concept CatalogueEnum = std::is_enum_v<E> && requires {
    EnumInfo<E>::cases;
};

template <CatalogueEnum E> constexpr bool hasIntRawValues() {
    if constexpr (requires { EnumInfo<E>::hasIntRawValues; })
        return EnumInfo<E>::hasIntRawValues;
    else
        return false;
}

template <CatalogueEnum E> QString caseName(E value) {
    for (const auto& c : EnumInfo<E>::cases)
        if (c.value == value)
            return QString::fromLatin1(c.name);
    return {};
}

template <CatalogueEnum E> std::optional<E> enumFromCaseName(QStringView name) {
    for (const auto& c : EnumInfo<E>::cases)
        if (name == QLatin1String(c.name))
            return c.value;
    return std::nullopt;
}

template <CatalogueEnum E> std::optional<E> enumFromIntRawValue(qint64 raw) {
    for (const auto& c : EnumInfo<E>::cases)
        if (static_cast<qint64>(c.value) == raw)
            return c.value;
    return std::nullopt;
}

} // namespace ruvo::settings
