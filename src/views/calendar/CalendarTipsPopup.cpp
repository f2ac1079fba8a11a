// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/calendar/CalendarTipsPopup.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ruvo::views {

QString CalendarTipsPopup::title() {
    return tr("Calendar Tips");
}

QString CalendarTipsPopup::text() {
    return tr("Long-press a day to open that day in the default calendar app.\n\n"
              "Swipe with two fingers to change months.\n\n"
              "Press the Space key or click the month/year label to select today.\n\n"
              "Press the arrow keys to change days.");
}

CalendarTipsPopup::CalendarTipsPopup(QWidget* parent) : QFrame(parent, Qt::Popup) {
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(title(), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* body = new QLabel(text(), this);
    body->setWordWrap(true);
    body->setMinimumWidth(240);
    layout->addWidget(heading);
    layout->addWidget(body);
}

void CalendarTipsPopup::popUpBelow(QWidget* anchor) {
    adjustSize();
    move(anchor->mapToGlobal(QPoint(anchor->width() - width(), anchor->height())));
    show();
}

} // namespace ruvo::views
