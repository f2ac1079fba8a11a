// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the edit screen of an entry in its own window.
#pragma once

#include "settings/Defaults.h"

#include <QPointer>
#include <QUuid>
#include <QWidget>
#include <map>

namespace ruvo::views {

// The "Edit Time Zone" window, above other windows, one per entry.
class TimeZoneEditWindowController {
public:
    explicit TimeZoneEditWindowController(const settings::Defaults& defaults)
        : m_defaults(defaults) {}
    ~TimeZoneEditWindowController();

    void open(QUuid entryId);

private:
    const settings::Defaults& m_defaults;
    std::map<QUuid, QPointer<QWidget>> m_windows;
};

} // namespace ruvo::views
