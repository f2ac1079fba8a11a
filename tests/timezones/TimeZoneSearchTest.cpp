// SPDX-License-Identifier: GPL-3.0-or-later
#include "timezones/TimeZoneSearch.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace ruvo;
using namespace ruvo::timezones;

namespace {

const kit::Instant kNow = test::at("2026-12-04T14:00:00Z");

const TimeZoneCandidates& places() {
    static PlaceList list; // prepared once for every test of the file
    return list.candidates(kNow);
}

QStringList ids(const std::vector<const TimeZoneResult*>& results) {
    QStringList out;
    for (const TimeZoneResult* r : results)
        out << r->displayPlace + QLatin1Char('@') + r->timeZoneIdentifier;
    return out;
}

} // namespace

TEST(TimeZoneSearch, QueriesAreNormalised) {
    struct Row {
        const char* typed;
        const char* normalised; // nullptr: no search
    };
    const Row rows[] = {
        {"GMT+5", "utc+5"},
        {"gmt", "utc"},
        {"gmtx", "gmtx"},
        {"the paris", "paris"},
        {"Time in  the   UK", "time uk"},
        {"x", nullptr},
        {"", nullptr},
        {"the", nullptr},
        {"São Paulo", "são paulo"},
    };
    for (const Row& row : rows) {
        const auto query = SearchQuery::make(QString::fromUtf8(row.typed));
        ASSERT_EQ(query.has_value(), row.normalised != nullptr) << row.typed;
        if (query) {
            EXPECT_EQ(query->text, QString::fromUtf8(row.normalised)) << row.typed;
        }
    }
}

// Searches over the full place list: the first result, and one that must be among them.
TEST(TimeZoneSearch, FindsPlacesByCityCountryZoneAndAbbreviation) {
    struct Row {
        const char* query;
        const char* firstPlace; // displayPlace of the first result
        const char* firstZone;
    };
    const Row rows[] = {
        {"paris", "Paris, Île-de-France, France", "Europe/Paris"},
        {"São Paulo", "São Paulo, Brazil", "America/Sao_Paulo"},
        {"sao paulo", "São Paulo, Brazil", "America/Sao_Paulo"},
        {"Москва", "Moscow, Russia", "Europe/Moscow"},           // Cyrillic, transliterated
        {"東京", "Tokyo, Japan", "Asia/Tokyo"},                  // Han, transliterated
        {"india", "Mumbai, Maharashtra, India", "Asia/Kolkata"}, // a country
        {"kolkata", "Kolkata, West Bengal, India", "Asia/Kolkata"},
        {"Pacific Time", "Pacific Time — PT (PST/PDT), United States", "America/Los_Angeles"},
        {"UTC-12", "UTC-12", "Etc/GMT+12"},
    };
    for (const Row& row : rows) {
        const auto results = places().search(QString::fromUtf8(row.query));
        ASSERT_FALSE(results.empty()) << row.query;
        EXPECT_EQ(results.front()->displayPlace, QString::fromUtf8(row.firstPlace)) << row.query;
        EXPECT_EQ(results.front()->timeZoneIdentifier, QString::fromUtf8(row.firstZone))
            << row.query;
    }
    EXPECT_EQ(ids(places().search(QStringLiteral("São Paulo"))),
              ids(places().search(QStringLiteral("Sao Paulo"))));
    EXPECT_TRUE(places().search(QStringLiteral("p")).empty());
    EXPECT_TRUE(places().search(QStringLiteral("qqxzv")).empty());

    const auto ist = places().search(QStringLiteral("IST"));
    EXPECT_TRUE(std::any_of(ist.begin(), ist.end(), [](const TimeZoneResult* r) {
        return r->city == QLatin1String("IST") &&
               r->timeZoneIdentifier == QLatin1String("Asia/Kolkata");
    }));
    const auto bst = places().search(QStringLiteral("bst"));
    EXPECT_TRUE(std::any_of(bst.begin(), bst.end(), [](const TimeZoneResult* r) {
        return r->city == QLatin1String("BST (Asia/Dhaka)");
    }));
    // "gmt+5" searches for "utc+5", which the abbreviation entries of UTC+5 zones carry.
    const auto plus5 = places().search(QStringLiteral("GMT+5"));
    ASSERT_FALSE(plus5.empty());
    EXPECT_TRUE(plus5.front()->displayPlaceSearchable.contains(QLatin1String("utc+5")));
}

TEST(TimeZoneSearch, PreparationAndAdding) {
    // A duplicate, then a zone the system does not know.
    const QByteArray place =
        R"({"name":"Springfield","country":"United States","timeZone":"America/Chicago",)"
        R"("adminName":"Illinois"})";
    const auto raw = JsonTimeZone::decodeList(
        "[" + place + "," + place +
        R"(,{"name":"Atlantis","country":"Nowhere","timeZone":"Ocean/Atlantis"}])");
    ASSERT_TRUE(raw.isOk());
    const auto prepared = PlaceList::prepare(*raw, kNow);
    ASSERT_EQ(prepared.size(), 2u);
    EXPECT_EQ(prepared[0].displayPlace, QStringLiteral("Springfield, Illinois, United States"));
    EXPECT_EQ(prepared[0].displayTimeZone, QStringLiteral("UTC-6 (CST)"));
    EXPECT_EQ(prepared[0].timeZoneAbbreviation, QStringLiteral("CST"));
    EXPECT_EQ(prepared[1].displayTimeZone, QStringLiteral("<Unknown>"));
    EXPECT_FALSE(entryForCandidate(prepared[1]).has_value()); // adds nothing

    const auto pacific = places().search(QStringLiteral("Pacific Time"));
    ASSERT_FALSE(pacific.empty());
    const auto entry = entryForCandidate(*pacific.front());
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, QStringLiteral("Pacific Time"));
    EXPECT_EQ(entry->timeZone.identifier, QStringLiteral("America/Los_Angeles"));
    const auto spring = entryForCandidate(prepared[0]);
    ASSERT_TRUE(spring);
    EXPECT_EQ(spring->name, QStringLiteral("Springfield"));
    EXPECT_EQ(spring->originalName, QStringLiteral("Springfield"));

    EXPECT_FALSE(JsonTimeZone::decodeList("{}").isOk());
    EXPECT_FALSE(
        JsonTimeZone::decodeList("[{\"name\":1,\"country\":\"\",\"timeZone\":\"UTC\"}]").isOk());
    EXPECT_FALSE(JsonTimeZone::decodeList("[{\"name\":\"a\"").isOk());
}
