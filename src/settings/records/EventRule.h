// SPDX-License-Identifier: GPL-3.0-or-later
// A rule that hides events of chosen calendars, or rewrites their titles, by predicates on
// the title. Only stored and carried for now: nothing applies rules to events yet.
#pragma once

#include "settings/Json.h"

#include <QUuid>
#include <set>

namespace ruvo::settings {

struct EventRule {
    enum class Action { hide, replace };
    enum class Property { title };
    enum class ReplacementType { anywhere, start, end, regex };
    enum class PredicateType { all, any, none };

    struct Predicate {
        enum class Kind { contains, startsWith, endsWith, regex };
        Kind kind = Kind::contains;
        QString string;
        bool operator==(const Predicate&) const = default;
    };

    QUuid id;
    QString name;
    bool isEnabled = true;
    std::set<QString> calendars;
    Action action = Action::hide;
    Property property = Property::title;
    ReplacementType replacementType = ReplacementType::anywhere;
    QString replacementPattern;
    QString replacementString;
    PredicateType predicateType = PredicateType::all;
    std::vector<Predicate> predicates;

    bool operator==(const EventRule&) const = default;
};

template <> struct EnumInfo<EventRule::Action> {
    using A = EventRule::Action;
    static constexpr std::array cases{EnumCase<A>{A::hide, "hide"},
                                      EnumCase<A>{A::replace, "replace"}};
};
template <> struct EnumInfo<EventRule::Property> {
    static constexpr std::array cases{
        EnumCase<EventRule::Property>{EventRule::Property::title, "title"}};
};
template <> struct EnumInfo<EventRule::ReplacementType> {
    using R = EventRule::ReplacementType;
    static constexpr std::array cases{EnumCase<R>{R::anywhere, "anywhere"},
                                      EnumCase<R>{R::start, "start"}, EnumCase<R>{R::end, "end"},
                                      EnumCase<R>{R::regex, "regex"}};
};
template <> struct EnumInfo<EventRule::PredicateType> {
    using P = EventRule::PredicateType;
    static constexpr std::array cases{EnumCase<P>{P::all, "all"}, EnumCase<P>{P::any, "any"},
                                      EnumCase<P>{P::none, "none"}};
};
template <> struct EnumInfo<EventRule::Predicate::Kind> {
    using K = EventRule::Predicate::Kind;
    static constexpr std::array cases{
        EnumCase<K>{K::contains, "contains"}, EnumCase<K>{K::startsWith, "startsWith"},
        EnumCase<K>{K::endsWith, "endsWith"}, EnumCase<K>{K::regex, "regex"}};
};

template <> struct JsonCodec<EventRule::Predicate> {
    static QJsonValue encode(const EventRule::Predicate& predicate);
    static kit::Result<EventRule::Predicate> decode(const QJsonValue& json);
};

template <> struct JsonCodec<EventRule> {
    static QJsonValue encode(const EventRule& rule);
    static kit::Result<EventRule> decode(const QJsonValue& json);
};

} // namespace ruvo::settings
