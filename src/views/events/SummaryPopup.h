// SPDX-License-Identifier: GPL-3.0-or-later
// The small popup of the "Overdue reminders" and "Past events" rows: a title and one line
// per item (title, time and timing), in the simple style of the list. Clicking an item
// opens it like a row of the list; right-clicking asks for its menu.
#pragma once

#include "events/list/EventRowTexts.h"

#include <QFrame>

namespace ruvo::views {

class SummaryPopup final : public QFrame {
    Q_OBJECT
public:
    SummaryPopup(const QString& title, const std::vector<events::CalendarItem>& items,
                 const events::EventRowTexts& texts, kit::Instant now, QWidget* parent = nullptr);

Q_SIGNALS:
    void itemActivated(const events::CalendarItem& item);
    void contextMenuRequested(const events::CalendarItem& item, QPoint globalPos);
};

} // namespace ruvo::views
