// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/calendar/MonthCalendarView.h"

#include "settings/Keys.h"
#include "views/calendar/CalendarTipsPopup.h"
#include "views/calendar/MonthGridWidget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace ruvo::views {

namespace keys = settings::keys;

namespace {

QToolButton* makeButton(const QString& text, const QString& help, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(help);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QString helpWithShortcut(const QString& help, const QKeySequence& shortcut) {
    return help + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) +
           QLatin1Char(')');
}

} // namespace

QKeySequence MonthCalendarView::previousMonthShortcut() {
    return QKeySequence(Qt::CTRL | Qt::Key_Left);
}

QKeySequence MonthCalendarView::nextMonthShortcut() {
    return QKeySequence(Qt::CTRL | Qt::Key_Right);
}

MonthCalendarView::MonthCalendarView(Dependencies dependencies, QWidget* parent)
    : QWidget(parent), m_deps(std::move(dependencies)) {
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    layout->addWidget(makeHeader());
    m_grid = new MonthGridWidget(m_deps.scheduler, this);
    m_grid->onDayClicked = [this](QDate day) {
        setFocus();
        m_deps.model.select(day);
    };
    m_grid->onDayLongPressed = [this](QDate day) {
        if (m_deps.openDay)
            m_deps.openDay(day);
    };
    layout->addWidget(m_grid);
    observe();
    refresh();
}

MonthCalendarView::~MonthCalendarView() = default;

QWidget* MonthCalendarView::makeHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    m_title = makeButton({}, tr("Click to show current month"), header);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_previous =
        makeButton(QStringLiteral("‹"),
                   helpWithShortcut(tr("Previous month"), previousMonthShortcut()), header);
    m_next = makeButton(QStringLiteral("›"),
                        helpWithShortcut(tr("Next month"), nextMonthShortcut()), header);
    m_tips = makeButton(QStringLiteral("?"), CalendarTipsPopup::title(), header);
    connect(m_title, &QToolButton::clicked, this, &MonthCalendarView::goToToday);
    connect(m_previous, &QToolButton::clicked, this, [this] { m_deps.model.showPreviousMonth(); });
    connect(m_next, &QToolButton::clicked, this, [this] { m_deps.model.showNextMonth(); });
    connect(m_tips, &QToolButton::clicked, this, &MonthCalendarView::showTips);
    auto* previous = new QShortcut(previousMonthShortcut(), this);
    connect(previous, &QShortcut::activated, this, [this] { m_deps.model.showPreviousMonth(); });
    auto* next = new QShortcut(nextMonthShortcut(), this);
    connect(next, &QShortcut::activated, this, [this] { m_deps.model.showNextMonth(); });
    row->addWidget(m_title);
    row->addStretch();
    row->addWidget(m_tips);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    return header;
}

void MonthCalendarView::observe() {
    auto& model = m_deps.model;
    auto redraw = [this](const auto&) { refresh(); };
    m_subscriptions.push_back(model.shownDate().observe(redraw));
    m_subscriptions.push_back(model.observeDots(redraw));
    m_subscriptions.push_back(model.selection().observe(redraw));
    m_subscriptions.push_back(m_deps.highlightedDays.observe(redraw));
    m_subscriptions.push_back(m_deps.defaults.observe(
        {keys::showWeekNumbersInCalendar, keys::highlightedDaysInCalendar,
         keys::highlightDaysInCalendarStyle, keys::calendar_highlightDaysOfHoveredEvent},
        [this] { refresh(); }));
}

void MonthCalendarView::refresh() {
    const auto& model = m_deps.model;
    const auto& d = m_deps.defaults;
    const auto& hovered = m_deps.highlightedDays.value();
    calendar::CellContext context{model.today(), model.selectedDate(),
                                  d.get(keys::highlightedDaysInCalendar), std::nullopt,
                                  model.environment().timeZoneId};
    if (hovered && d.get(keys::calendar_highlightDaysOfHoveredEvent))
        context.hoveredEvent = hovered->range;
    MonthGridWidget::Content content{model.grid(),
                                     {},
                                     d.get(keys::showWeekNumbersInCalendar),
                                     d.get(keys::highlightDaysInCalendarStyle)};
    content.cells = calendar::dayCells(model.grid(), model.dots().value(), context);
    m_title->setText(model.grid().title);
    m_grid->setContent(std::move(content));
}

void MonthCalendarView::goToToday() {
    if (m_deps.endTimeTravel && m_deps.endTimeTravel())
        return;
    m_deps.model.selectToday();
}

void MonthCalendarView::keyPressEvent(QKeyEvent* event) {
    const int sign = layoutDirection() == Qt::RightToLeft ? -1 : 1;
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        goToToday();
        break;
    case Qt::Key_Left:
        m_deps.model.moveSelection(-sign);
        break;
    case Qt::Key_Right:
        m_deps.model.moveSelection(sign);
        break;
    case Qt::Key_Up:
        m_deps.model.moveSelection(-7);
        break;
    case Qt::Key_Down:
        m_deps.model.moveSelection(7);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
}

void MonthCalendarView::wheelEvent(QWheelEvent* event) {
    if (event->phase() == Qt::ScrollEnd) {
        m_deps.model.onScrollGestureEnd();
        return;
    }
    const QPoint pixels = event->pixelDelta();
    const double dx = pixels.isNull() ? event->angleDelta().x() / 2.4 : double(pixels.x());
    if (dx == 0 || std::abs(event->angleDelta().y()) > std::abs(event->angleDelta().x())) {
        event->ignore();
        return;
    }
    m_deps.model.onHorizontalScroll(dx, event->inverted());
    event->accept();
}

void MonthCalendarView::showTips() {
    if (!m_tipsPopup)
        m_tipsPopup = new CalendarTipsPopup(this);
    m_tipsPopup->popUpBelow(m_tips);
}

} // namespace ruvo::views
