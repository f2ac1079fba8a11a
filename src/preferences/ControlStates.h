// SPDX-License-Identifier: GPL-3.0-or-later
// Why a control is disabled: another setting overrides it or turns its feature off. The
// window shows the reason under the control and updates it when a deciding key changes.
#pragma once

#include "settings/Defaults.h"

#include <QStringList>
#include <optional>

namespace ruvo::preferences {

// The reason `key`'s control is disabled now, or nothing when it is enabled. `uses24Hour`
// tells whether the locale shows time in 24-hour form.
std::optional<QString> disabledReason(const QString& key, const settings::Defaults& defaults,
                                      bool uses24Hour);

// The keys whose changes can change disabledReason(key).
QStringList keysDeciding(const QString& key);

// Whether the locale writes a short time without an AM/PM marker.
bool localeUses24Hour(const QString& localeId);

} // namespace ruvo::preferences
