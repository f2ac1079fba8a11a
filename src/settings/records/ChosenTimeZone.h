// SPDX-License-Identifier: GPL-3.0-or-later
// One entry of the user's world clock: a zone and how to present it.
#pragma once

#include "settings/Json.h"
#include "settings/records/ZuTimeZone.h"

#include <QUuid>

namespace ruvo::settings {

struct ChosenTimeZone {
    enum class TimeFormat { system, twentyFourHour, twelveHour };
    enum class Hide { never, sameTimeZone, sameTime };

    QUuid id;
    ZuTimeZone timeZone;
    std::optional<QString> name;
    std::optional<QString> originalName;
    TimeFormat timeFormat = TimeFormat::system;
    bool isInMenuBar = false;
    QString menuBarTitle;
    QString notes;
    bool menuBarShowWeekdayWhenInDifferentDay = true;
    Hide hide = Hide::never;
    bool showInMenu = true;

    // A new entry: originalName is the given name, else the zone's city.
    static ChosenTimeZone make(QUuid id, ZuTimeZone zone,
                               std::optional<QString> name = std::nullopt);

    bool operator==(const ChosenTimeZone&) const = default;
};

template <> struct EnumInfo<ChosenTimeZone::TimeFormat> {
    using F = ChosenTimeZone::TimeFormat;
    static constexpr std::array cases{EnumCase<F>{F::system, "system"},
                                      EnumCase<F>{F::twentyFourHour, "twentyFourHour"},
                                      EnumCase<F>{F::twelveHour, "twelveHour"}};
};

template <> struct EnumInfo<ChosenTimeZone::Hide> {
    using H = ChosenTimeZone::Hide;
    static constexpr std::array cases{EnumCase<H>{H::never, "never"},
                                      EnumCase<H>{H::sameTimeZone, "sameTimeZone"},
                                      EnumCase<H>{H::sameTime, "sameTime"}};
};

template <> struct JsonCodec<ChosenTimeZone> {
    static QJsonValue encode(const ChosenTimeZone& entry);
    static kit::Result<ChosenTimeZone> decode(const QJsonValue& json);
};

} // namespace ruvo::settings
