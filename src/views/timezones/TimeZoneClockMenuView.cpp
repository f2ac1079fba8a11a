// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/timezones/TimeZoneClockMenuView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace ruvo::views {

DstBadge::DstBadge(QWidget* parent) : QWidget(parent) {
    setFixedSize(22, 11);
    setToolTip(tr("Daylight Saving Time"));
}

void DstBadge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.8);
    p.setPen(QPen(palette().color(QPalette::WindowText), 0.5));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QFont f = font();
    f.setPixelSize(8);
    f.setWeight(QFont::Medium);
    p.setFont(f);
    //: A small badge beside a zone on daylight saving time.
    p.drawText(rect(), Qt::AlignCenter, tr("DST"));
}

TimeZoneClockMenuView::TimeZoneClockMenuView(const timezones::ZoneDetails& d, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(d.title, this);
    title->setTextFormat(Qt::PlainText); // a name the user typed
    QFont medium = title->font();
    medium.setWeight(QFont::Medium);
    title->setFont(medium);
    layout->addWidget(title);
    if (!d.zoneLabel.isEmpty()) {
        auto* line = new QHBoxLayout;
        line->addWidget(new QLabel(d.zoneLabel, this));
        if (d.isDaylightTime)
            line->addWidget(new DstBadge(this));
        line->addStretch();
        layout->addLayout(line);
    }
    if (d.isCurrentZone)
        layout->addWidget(new QLabel(tr("Current Time Zone"), this));
    if (d.transitionNote) {
        auto* note = new QLabel(*d.transitionNote, this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    if (!d.notes.trimmed().isEmpty()) {
        auto* notes = new QLabel(d.notes, this);
        notes->setTextFormat(Qt::PlainText); // the user's own text, never markup
        notes->setWordWrap(true);
        layout->addWidget(notes);
    }
}

} // namespace ruvo::views
