// SPDX-License-Identifier: GPL-3.0-or-later
// The details of one world-clock entry: its name, its label with a "DST" badge, whether it is
// the current zone, the coming daylight-saving change and the entry's notes.
#pragma once

#include "timezones/WorldClockRows.h"

#include <QWidget>

namespace ruvo::views {

class TimeZoneClockMenuView final : public QWidget {
    Q_OBJECT
public:
    explicit TimeZoneClockMenuView(const timezones::ZoneDetails& details,
                                   QWidget* parent = nullptr);
};

// The small rounded "DST" badge.
class DstBadge final : public QWidget {
    Q_OBJECT
public:
    explicit DstBadge(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {22, 11}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ruvo::views
