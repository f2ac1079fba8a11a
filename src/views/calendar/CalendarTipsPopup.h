// SPDX-License-Identifier: GPL-3.0-or-later
// The small popup that explains the month calendar's gestures ("Calendar Tips").
#pragma once

#include <QFrame>

namespace ruvo::views {

class CalendarTipsPopup final : public QFrame {
    Q_OBJECT
public:
    static QString title();
    static QString text();

    explicit CalendarTipsPopup(QWidget* parent = nullptr);

    // Shows the popup below `anchor`.
    void popUpBelow(QWidget* anchor);
};

} // namespace ruvo::views
