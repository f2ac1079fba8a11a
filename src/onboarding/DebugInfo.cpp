// SPDX-License-Identifier: GPL-3.0-or-later
#include "onboarding/DebugInfo.h"

#include "kit/BuildInfo.h"
#include "settings/Keys.h"

namespace ruvo::onboarding {

namespace keys = settings::keys;

QString debugInfo(const DebugFacts& facts, const settings::Defaults& defaults) {
    QStringList lines;
    lines << QStringLiteral("Ruvo %1").arg(kit::programVersion());
    lines << QStringLiteral("Qt %1, ICU %2 (zone data %3), platform %4")
                 .arg(kit::qtRuntimeVersion(), kit::icuRuntimeVersion(), kit::tzdataVersion(),
                      facts.platformName);
    lines << QStringLiteral("Desktop: %1, panel: %2%3")
                 .arg(facts.panel.desktop.isEmpty() ? QStringLiteral("-") : facts.panel.desktop,
                      kindName(facts.panel.kind),
                      facts.panel.hasTray ? QStringLiteral(" (tray)") : QString());
    lines << QStringLiteral("Locale: %1, time zone: %2")
                 .arg(facts.environment.localeId, facts.environment.timeZoneId);
    lines << QStringLiteral("Icon: %1, date format: \"%2\"")
                 .arg(settings::caseName(defaults.get(keys::iconInMenuBar)),
                      defaults.get(keys::dateTimeFormat));
    lines << QStringLiteral("Pinned: %1, below item: %2")
                 .arg(defaults.get(keys::pinWindow))
                 .arg(defaults.get(keys::menu_positionedBelowMenuBarItem));
    return lines.join(QLatin1Char('\n'));
}

} // namespace ruvo::onboarding
