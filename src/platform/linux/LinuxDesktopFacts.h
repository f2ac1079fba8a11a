// SPDX-License-Identifier: GPL-3.0-or-later
// Gathers DesktopFacts from this session: the environment, the session bus (the tray's
// watcher, GNOME Shell and its AppIndicator extension) and the running panel programs.
#pragma once

#include "platform/DesktopFacts.h"
#include "platform/RunningApplications.h"

#include <QDBusConnection>
#include <QProcessEnvironment>

namespace ruvo::platform {

// Each bus question waits at most kDesktopProbeTimeoutMs, so a hung shell delays the answer by
// a second at most.
inline constexpr int kDesktopProbeTimeoutMs = 1000;

DesktopFacts probeDesktop(const QDBusConnection& bus, const RunningApplications& running,
                          const QProcessEnvironment& environment);

// The panels ("plasma", "xfce") that find Ruvo's applet installed where they load it from.
QStringList installedPanelApplets();

// The session's facts as the program and the command line see them, with the installed applets.
DesktopFacts probeThisDesktop();

} // namespace ruvo::platform
