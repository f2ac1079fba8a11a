// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON documents of the stored records: what decodes, with which defaults, and what fails.
#include "TestSupport.h"
#include "settings/Bridge.h"
#include "settings/records/Appearance.h"
#include "settings/records/ChosenTimeZone.h"
#include "settings/records/EventExcludeMatcher.h"
#include "settings/records/EventRule.h"
#include "settings/records/PlainHourMinuteTime.h"

#include <gtest/gtest.h>

using namespace ruvo::settings;

namespace {

template <typename T> ruvo::kit::Result<T> decode(const char* json) {
    return JsonCodec<T>::decode(parseJson(QString::fromUtf8(json)).value());
}

const char* const kId = R"("id":"4F1C0E3A-8D0B-4C52-9E0E-2D5E2A1B7C11")";

QByteArray entry(const char* rest) {
    return QByteArray("{") + kId + rest + "}";
}

} // namespace

TEST(ChosenTimeZoneRecord, DecodesWithDefaultsForAbsentKeysAndFailsOnWrongTypes) {
    struct Row {
        QByteArray json;
        const char* error; // nullptr: decodes
    };
    const Row rows[] = {
        {entry(R"(,"timeZone":"Asia/Kathmandu")"), nullptr},
        {entry(R"(,"timeZone":"Asia/Kathmandu","futureField":[1,2],"name":"KTM")"),
         nullptr}, // extra keys ignored
        {entry(R"(,"timeZone":"Asia/Kathmandu","name":null)"), nullptr},
        {entry(R"(,"timeZone":"Mars/Olympus")"), "Invalid time zone identifier"},
        {entry(R"(,"timeZone":"")"), "Invalid time zone identifier"},
        {entry(R"(,"timeZone":"../../etc/passwd")"), "Invalid time zone identifier"},
        {entry(R"(,"timeZone":{"identifier":"Europe/Paris"})"), "\"timeZone\" is not a string"},
        {entry(R"(,"timeZone":"Europe/Paris","timeFormat":"military")"),
         "\"military\" is not a valid value for \"timeFormat\""},
        {entry(R"(,"timeZone":"Europe/Paris","isInMenuBar":"yes")"),
         "\"isInMenuBar\" is not a boolean"},
        {entry(R"(,"timeZone":"Europe/Paris","hide":null)"),
         "\"\" is not a valid value for \"hide\""},
        {R"({"timeZone":"Europe/Paris"})", "the key \"id\" is missing"},
        {R"({"id":"not-a-uuid","timeZone":"Europe/Paris"})", "\"id\" is not a UUID"},
        {entry(""), "the key \"timeZone\" is missing"},
        {"[]", "expected a JSON object"},
    };
    for (const Row& row : rows) {
        const auto decoded = decode<ChosenTimeZone>(row.json.constData());
        if (row.error) {
            ASSERT_FALSE(decoded.isOk()) << row.json.constData();
            EXPECT_EQ(decoded.error(), QString::fromUtf8(row.error)) << row.json.constData();
        } else {
            EXPECT_TRUE(decoded.isOk())
                << row.json.constData() << ": " << decoded.error().toStdString();
        }
    }
    const auto plain = decode<ChosenTimeZone>(
        entry(R"(,"timeZone":"America/Argentina/Buenos_Aires")").constData());
    ASSERT_TRUE(plain.isOk());
    EXPECT_EQ(plain->timeZone.territory, QStringLiteral("America"));
    EXPECT_EQ(plain->timeZone.city, QStringLiteral("Buenos Aires"));
    EXPECT_EQ(plain->timeFormat, ChosenTimeZone::TimeFormat::system);
    EXPECT_TRUE(plain->menuBarShowWeekdayWhenInDifferentDay);
    EXPECT_TRUE(plain->showInMenu);
    EXPECT_EQ(plain->hide, ChosenTimeZone::Hide::never);
    EXPECT_FALSE(plain->name.has_value());
}

TEST(ChosenTimeZoneRecord, WritesNameKeysOnlyWhenPresentAndNamesNewEntriesAfterTheCity) {
    const auto zone = ZuTimeZone::make(QStringLiteral("America/Port_of_Spain")).value();
    const ChosenTimeZone unnamed = ChosenTimeZone::make(QUuid::createUuid(), zone);
    EXPECT_EQ(unnamed.originalName, std::optional<QString>(QStringLiteral("Port of Spain")));
    ChosenTimeZone withoutNames = unnamed;
    withoutNames.originalName.reset();
    const QJsonObject json = JsonCodec<ChosenTimeZone>::encode(withoutNames).toObject();
    EXPECT_FALSE(json.contains(QStringLiteral("name")));
    EXPECT_FALSE(json.contains(QStringLiteral("originalName")));
    EXPECT_EQ(ZuTimeZone::make(QStringLiteral("GMT"))->city, QStringLiteral("UTC"));
}

TEST(EventRuleRecord, EveryKeyIsRequiredAndTwoRulesRoundTrip) {
    const QByteArray full =
        R"({"id":"9B2C7F10-3E4D-4A5B-8C6D-1E2F3A4B5C6D","name":"Standups","isEnabled":true,)"
        R"("calendars":["a","b"],"action":"hide","property":"title","replacementType":"regex",)"
        R"("replacementPattern":"^x","replacementString":"y","predicateType":"none",)"
        R"("predicates":[{"kind":"regex","string":"\\d+"},{"kind":"contains","string":"1:1"}]})";
    const auto rule = decode<EventRule>(full.constData());
    ASSERT_TRUE(rule.isOk()) << rule.error().toStdString();
    EXPECT_EQ(rule->predicates.size(), 2u);
    EXPECT_EQ(decode<EventRule>(jsonText(JsonCodec<EventRule>::encode(*rule)).toUtf8().constData())
                  .value(),
              *rule);

    for (const char* key :
         {"id", "name", "isEnabled", "calendars", "action", "property", "replacementType",
          "replacementPattern", "replacementString", "predicateType", "predicates"}) {
        QJsonObject object = parseJson(QString::fromUtf8(full)).value().toObject();
        object.remove(QLatin1String(key));
        EXPECT_FALSE(JsonCodec<EventRule>::decode(object).isOk()) << "decoded without " << key;
    }
    const auto badPredicate = decode<EventRule>(
        QByteArray(full).replace(R"("kind":"regex")", R"("string":"x")").constData());
    EXPECT_FALSE(badPredicate.isOk());

    // A stored list of two rules reads back whole; one broken element is skipped alone.
    const std::vector<EventRule> two{*rule, *rule};
    EXPECT_EQ(
        Bridge<std::vector<EventRule>>::deserialize(Bridge<std::vector<EventRule>>::serialize(two)),
        two);
}

TEST(ExcludeMatcherRecord, LocationsDefaultToEverywhereAndUnknownCasesFail) {
    const auto noLocations = decode<EventExcludeMatcher>(
        R"({"id":"0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00","isEnabled":true,"kind":"equals","pattern":"x"})");
    ASSERT_TRUE(noLocations.isOk());
    EXPECT_EQ(noLocations->locations.size(), 4u);
    EXPECT_FALSE(decode<EventExcludeMatcher>(
                     R"({"id":"0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00","isEnabled":true,)"
                     R"("kind":"equals","pattern":"x","locations":["menuBar"]})")
                     .isOk());
    EXPECT_FALSE(
        decode<EventExcludeMatcher>(
            R"({"id":"0D6F6B6E-2B1A-4B8E-9C1D-7A5E3F2B1C00","kind":"equals","pattern":"x"})")
            .isOk());
}

TEST(StoredForms, DurationHalvesAndTimesOfDay) {
    struct Row {
        Duration value;
        const char* stored;
    };
    const Row rows[] = {
        {Duration::seconds(0), "[0,0]"},
        {Duration::seconds(3600), "[195,2884905626637434880]"},
        {Duration::seconds(-1), "[-1,17446744073709551616]"},
        {Duration::fromSeconds(0.5), "[0,500000000000000000]"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.value.storedText(), QString::fromLatin1(row.stored));
        EXPECT_EQ(Duration::fromStoredText(QString::fromLatin1(row.stored)),
                  std::optional<Duration>(row.value))
            << row.stored;
    }
    EXPECT_EQ(Duration::seconds(-1).toSeconds(), -1.0);
    for (const char* bad :
         {"[1]", "[1,-2]", "[a,b]", "3600", "[1,2,3]", "[99999999999999999999,0]"})
        EXPECT_FALSE(Duration::fromStoredText(QString::fromLatin1(bad)).has_value()) << bad;

    for (const char* bad :
         {R"({"hour":24,"minute":0})", R"({"hour":9,"minute":60})", R"({"hour":-1,"minute":0})",
          R"({"hour":9.5,"minute":0})", R"({"hour":9})"})
        EXPECT_FALSE(decode<PlainHourMinuteTime>(bad).isOk()) << bad;
    EXPECT_EQ(decode<PlainHourMinuteTime>(R"({"hour":23,"minute":59})").value(),
              (PlainHourMinuteTime{23, 59}));
}

TEST(StoredForms, ShortcutSettingsKeepRemovalApartFromNeverSet) {
    using S = ShortcutSetting;
    EXPECT_FALSE(Bridge<S>::serialize(S{}).isValid());
    EXPECT_EQ(Bridge<S>::serialize(S::removed()), QVariant(false));
    EXPECT_EQ(Bridge<S>::deserialize(QVariant(false)), std::optional<S>(S::removed()));
    const S set = S::of({49, 256});
    EXPECT_EQ(Bridge<S>::deserialize(Bridge<S>::serialize(set)), std::optional<S>(set));
    EXPECT_EQ(Bridge<S>::deserialize(QVariant(QStringLiteral("garbage"))),
              std::nullopt); // counts as no shortcut
    EXPECT_EQ(Bridge<S>::deserialize(QVariant(true)), std::nullopt);
}

TEST(StoredForms, UrlsDictionariesAndColours) {
    const QUrl url(QStringLiteral("https://meet.example.org/abc-defg-hij?authuser=1"));
    EXPECT_EQ(Bridge<QUrl>::serialize(url),
              QVariant(QStringLiteral("\"https://meet.example.org/abc-defg-hij?authuser=1\"")));
    EXPECT_EQ(Bridge<QUrl>::deserialize(Bridge<QUrl>::serialize(url)), std::optional<QUrl>(url));
    EXPECT_EQ(Bridge<QUrl>::deserialize(QVariant(QStringLiteral("https://bare.example"))),
              std::nullopt); // not JSON

    using Map = std::map<QString, PlainHourMinuteTime>;
    const QVariant stored =
        QVariantMap{{QStringLiteral("a"), QStringLiteral("{\"hour\":1,\"minute\":2}")},
                    {QStringLiteral("b"), QStringLiteral("{\"hour\":99,\"minute\":0}")}};
    EXPECT_EQ(Bridge<Map>::deserialize(stored),
              std::optional<Map>(Map{{QStringLiteral("a"), {1, 2}}}));

    const std::pair<const char*, std::optional<Rgba>> colours[] = {
        {"#ff8000", Rgba{255, 128, 0, 255}},
        {"#FF8000CC", Rgba{255, 128, 0, 204}},
        {"#ff80", std::nullopt},
        {"ff8000", std::nullopt},
        {"#gg8000", std::nullopt}};
    for (const auto& [text, colour] : colours)
        EXPECT_EQ(Rgba::fromText(QString::fromLatin1(text)), colour) << text;
}
