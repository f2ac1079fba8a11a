// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/timezones/TimeZoneRowView.h"

#include "settings/Keys.h"
#include "timezones/ChosenTimeZoneTexts.h"
#include "views/timezones/TimeZoneClockMenuView.h"
#include "views/timezones/WorldClockContext.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace ruvo::views {

namespace {

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

// Orange by day and purple by night, made lighter on dark backgrounds.
QColor symbolColor(bool isDaytime, const QPalette& palette) {
    QColor c = isDaytime ? QColor(0xF0, 0x8C, 0x1A) : QColor(0x8E, 0x5C, 0xD9);
    return isDark(palette) ? c.lighter(125) : c;
}

} // namespace

TimeZoneRowView::TimeZoneRowView(WorldClockContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_symbol(new QLabel(this)), m_name(new QLabel(this)),
      m_time(new QLabel(this)), m_offset(new QLabel(this)), m_day(new QLabel(this)) {
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    m_symbol->setFixedWidth(16);
    m_symbol->setAlignment(Qt::AlignCenter);
    m_time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_day->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(32);
    grid->setVerticalSpacing(0);
    grid->addWidget(m_name, 0, 0);
    grid->addWidget(m_time, 0, 1);
    grid->addWidget(m_offset, 1, 0);
    grid->addWidget(m_day, 1, 1);
    grid->setColumnStretch(0, 1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 4, 12, 4);
    row->addWidget(m_symbol);
    row->addLayout(grid, 1);
}

void TimeZoneRowView::display(const timezones::WorldClockRow& row, bool isMarked,
                              double textScale) {
    m_row = row;
    m_isMarked = isMarked;
    QFont base = font();
    const double size = QApplication::font().pointSizeF();
    base.setPointSizeF(size * textScale);
    QFont secondary = base;
    secondary.setPointSizeF((size - 2) * textScale);
    const QFont digits = base; // the default fonts have digits of equal width
    m_name->setFont(base);
    m_time->setFont(digits);
    m_offset->setFont(secondary);
    m_day->setFont(secondary);
    const QColor dim = palette().color(QPalette::PlaceholderText);
    m_offset->setStyleSheet(QStringLiteral("color: %1").arg(dim.name()));
    m_day->setStyleSheet(QStringLiteral("color: %1").arg(dim.name()));
    m_name->setText(row.name);
    m_time->setText(row.time);
    m_offset->setText(row.relativeOffset);
    m_day->setText(row.day);
    m_symbol->setVisible(row.showsSymbol);
    QFont symbolFont = base;
    symbolFont.setPointSizeF((row.isDaytime ? 14 : 13) * textScale * 0.8);
    m_symbol->setFont(symbolFont);
    m_symbol->setText(row.isDaytime ? QStringLiteral("☀") : QStringLiteral("☾"));
    m_symbol->setStyleSheet(
        QStringLiteral("color: %1").arg(symbolColor(row.isDaytime, palette()).name()));
    setAccessibleName(row.accessibleLabel);
    update();
}

void TimeZoneRowView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(4, 1, -4, -1);
    if (m_isHovered) {
        QColor hover = palette().color(QPalette::Highlight);
        hover.setAlphaF(0.15);
        p.setPen(Qt::NoPen);
        p.setBrush(hover);
        p.drawRoundedRect(box, 5, 5);
    }
    if (m_isMarked) {
        QColor accent = palette().color(QPalette::Highlight);
        accent.setAlphaF(0.5);
        p.setPen(QPen(accent, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 5, 5);
    }
}

void TimeZoneRowView::enterEvent(QEnterEvent*) {
    m_isHovered = true;
    update();
}

void TimeZoneRowView::leaveEvent(QEvent*) {
    m_isHovered = false;
    update();
}

void TimeZoneRowView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        openDetails();
}

void TimeZoneRowView::openDetails() {
    const auto entries = m_context.defaults.get(settings::keys::timeZonesInMenu);
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const auto& e) { return e.id == m_row.id; });
    if (it == entries.end())
        return;
    auto* popover = new QFrame(this, Qt::Popup);
    popover->setAttribute(Qt::WA_DeleteOnClose);
    popover->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(popover);
    layout->setContentsMargins(8, 8, 8, 8);
    const timezones::ChosenTimeZoneTexts texts(m_context.environment(), m_context.scheduler);
    layout->addWidget(new TimeZoneClockMenuView(timezones::zoneDetails(*it, texts), popover));
    popover->adjustSize();
    popover->move(mapToGlobal(QPoint(0, height())));
    popover->show();
}

void TimeZoneRowView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("Copy"), this, &TimeZoneRowView::copyIsoTime);
    copy->setToolTip(tr("Copy the date and time in ISO 8601 format."));
    menu.setToolTipsVisible(true);
    menu.addSeparator();
    menu.addAction(tr("Edit"), this, [this] {
        if (m_context.editEntry)
            m_context.editEntry(m_row.id);
    });
    menu.exec(event->globalPos());
}

void TimeZoneRowView::copyIsoTime() {
    const auto entries = m_context.defaults.get(settings::keys::timeZonesInMenu);
    for (const auto& e : entries) {
        if (e.id != m_row.id)
            continue;
        auto* data = new QMimeData;
        data->setText(timezones::isoTextInZone(e.timeZone, m_context.scheduler.now()));
        data->setData(QStringLiteral("org.nspasteboard.source"), QByteArrayLiteral("ruvo"));
        QApplication::clipboard()->clear();
        QApplication::clipboard()->setMimeData(data);
    }
}

} // namespace ruvo::views
