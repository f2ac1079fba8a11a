// SPDX-License-Identifier: GPL-3.0-or-later
// The names people use for zones whose ICU short name is only a GMT offset.
#include "timezones/ZoneTexts.h"

#include <QHash>

namespace ruvo::timezones {

namespace {

struct Row {
    const char* key; // identifier, one space, the GMT form
    const char* abbreviation;
};

// clang-format off
constexpr Row kRows[] = {
        {"Pacific/Honolulu GMT-10", "HST"},
        {"America/Juneau GMT-9", "AKST"},
        {"America/Juneau GMT-8", "AKDT"},
        {"America/Los_Angeles GMT-8", "PST"},
        {"America/Los_Angeles GMT-7", "PDT"},
        {"America/Denver GMT-7", "MST"},
        {"America/Denver GMT-6", "MDT"},
        {"America/Phoenix GMT-7", "MST"},
        {"America/Chicago GMT-6", "CST"},
        {"America/Chicago GMT-5", "CDT"},
        {"America/New_York GMT-5", "EST"},
        {"America/New_York GMT-4", "EDT"},
        {"America/Bogota GMT-5", "COT"},
        {"America/Lima GMT-5", "PET"},
        {"America/Halifax GMT-4", "AST"},
        {"America/Halifax GMT-3", "ADT"},
        {"America/Santiago GMT-4", "CLT"},
        {"America/Santiago GMT-3", "CLST"},
        {"America/Argentina/Buenos_Aires GMT-3", "ART"},
        {"America/Sao_Paulo GMT-3", "BRT"},
        {"America/St_Johns GMT-3:30", "NST"},
        {"America/St_Johns GMT-2:30", "NDT"},
        {"Europe/Lisbon GMT", "WET"},
        {"Europe/Lisbon GMT+1", "WEST"},
        {"Europe/London GMT", "GMT"},
        {"Europe/London GMT+1", "BST"},
        {"Africa/Lagos GMT+1", "WAT"},
        {"Europe/Paris GMT+1", "CET"},
        {"Europe/Paris GMT+2", "CEST"},
        {"Africa/Harare GMT+2", "CAT"},
        {"Europe/Athens GMT+2", "EET"},
        {"Europe/Athens GMT+3", "EEST"},
        {"Europe/Istanbul GMT+3", "TRT"},
        {"Europe/Moscow GMT+3", "MSK"},
        {"Africa/Addis_Ababa GMT+3", "EAT"},
        {"Asia/Tehran GMT+3:30", "IRST"},
        {"Asia/Tehran GMT+4:30", "IRDT"},
        {"Asia/Dubai GMT+4", "GST"},
        {"Asia/Karachi GMT+5", "PKT"},
        {"Asia/Kolkata GMT+5:30", "IST"},
        {"Asia/Dhaka GMT+6", "BST"},
        {"Asia/Bangkok GMT+7", "ICT"},
        {"Asia/Jakarta GMT+7", "WIB"},
        {"Asia/Singapore GMT+8", "SGT"},
        {"Asia/Hong_Kong GMT+8", "HKT"},
        {"Asia/Manila GMT+8", "PHT"},
        {"Australia/Perth GMT+8", "AWST"},
        {"Asia/Tokyo GMT+9", "JST"},
        {"Asia/Seoul GMT+9", "KST"},
        {"Australia/Sydney GMT+10", "AEST"},
        {"Australia/Sydney GMT+11", "AEDT"},
        {"Australia/Darwin GMT+9:30", "ACST"},
        {"Australia/Adelaide GMT+9:30", "ACST"},
        {"Australia/Adelaide GMT+10:30", "ACDT"},
        {"Australia/Broken_Hill GMT+9:30", "ACST"},
        {"Australia/Broken_Hill GMT+10:30", "ACDT"},
        {"Australia/Brisbane GMT+10", "AEST"},
        {"Australia/Melbourne GMT+10", "AEST"},
        {"Australia/Melbourne GMT+11", "AEDT"},
        {"Pacific/Auckland GMT+12", "NZST"},
        {"Pacific/Auckland GMT+13", "NZDT"},
};
// clang-format on

} // namespace

std::optional<QString> gmtAbbreviation(const QString& key) {
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        for (const Row& row : kRows)
            t.insert(QString::fromUtf8(row.key), QString::fromUtf8(row.abbreviation));
        return t;
    }();
    const auto it = table.constFind(key);
    if (it == table.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace ruvo::timezones
