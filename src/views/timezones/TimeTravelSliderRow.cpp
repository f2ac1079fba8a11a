// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/timezones/TimeTravelSliderRow.h"

#include "settings/Keys.h"
#include "timezones/IcuFormat.h"
#include "timezones/TimeTravel.h"
#include "views/timezones/WorldClockContext.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace ruvo::views {

using timezones::TimeTravel;
using timezones::TimeTravelSlider;

bool isOnlyOptionHeld() {
    const auto mods = QApplication::queryKeyboardModifiers() & ~Qt::KeypadModifier;
    return mods == Qt::AltModifier;
}

TimeTravelSliderRow::TimeTravelSliderRow(WorldClockContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_reset(new QToolButton(this)),
      m_slider(new QSlider(Qt::Horizontal, this)), m_time(new QLabel(this)),
      m_offset(new QLabel(this)), m_date(new QLabel(this)) {
    m_reset->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    m_reset->setAutoRaise(true);
    m_reset->setFocusPolicy(Qt::NoFocus);
    m_reset->setToolTip(tr("Reset"));
    connect(m_reset, &QToolButton::clicked, this, &TimeTravelSliderRow::reset);
    m_slider->setRange(int(TimeTravelSlider::minimum), int(TimeTravelSlider::maximum));
    m_slider->setTickPosition(QSlider::TicksBelow);
    // Focused (by a click or Tab), the slider owns the arrow keys, Ctrl's included: the month
    // calendar pages with Ctrl+Left/Right everywhere else. Ctrl+Alt+arrows are left alone:
    // desktops switch workspaces with them.
    m_slider->setFocusPolicy(Qt::StrongFocus);
    m_slider->setAccessibleName(tr("Time Travel"));
    m_slider->installEventFilter(this);
    connect(m_slider, &QSlider::valueChanged, this, &TimeTravelSliderRow::onSliderMoved);
    m_time->setTextFormat(Qt::RichText);
    m_offset->setStyleSheet(QStringLiteral("color: palette(placeholder-text)"));
    auto* labels = new QVBoxLayout;
    labels->setSpacing(0);
    labels->addWidget(m_time, 0, Qt::AlignRight);
    labels->addWidget(m_offset, 0, Qt::AlignRight);
    labels->addWidget(m_date, 0, Qt::AlignRight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 2, 12, 2);
    row->addWidget(m_reset);
    row->addWidget(m_slider, 1);
    row->addLayout(labels);

    const auto shortcut = [this](QKeySequence keys, auto action) {
        auto* s = new QShortcut(keys, this, action);
        s->setContext(Qt::WindowShortcut);
    };
    shortcut(QKeySequence(Qt::Key_Escape), [this] { reset(); });
    updateSliderStep();
}

bool TimeTravelSliderRow::use30MinuteSteps() const {
    return m_context.defaults.get(settings::keys::timeTravelUse30MinuteSteps);
}

void TimeTravelSliderRow::updateSliderStep() {
    const int step = TimeTravelSlider::step(isOnlyOptionHeld(), use30MinuteSteps());
    m_slider->setSingleStep(step);
    m_slider->setPageStep(step);
    m_slider->setTickInterval(step);
}

void TimeTravelSliderRow::onSliderMoved(int value) {
    const int step = TimeTravelSlider::step(isOnlyOptionHeld(), use30MinuteSteps());
    const qint64 snapped = TimeTravelSlider::snapped(value, step);
    if (snapped != value) {
        m_slider->setValue(int(snapped)); // comes back here with the snapped value
        return;
    }
    if (m_context.offset.value() == snapped)
        return;
    m_context.offset.set(snapped, isOnlyOptionHeld());
}

void TimeTravelSliderRow::step(bool forward, bool fine) {
    timezones::stepTimeTravel(
        m_context.offset, forward ? timezones::Direction::forward : timezones::Direction::backward,
        fine, use30MinuteSteps(), isOnlyOptionHeld());
}

void TimeTravelSliderRow::reset() {
    timezones::resetTimeTravel(m_context.offset, isOnlyOptionHeld());
    m_context.timeTravelWelcome.dismiss();
    if (m_welcome)
        m_welcome->close();
}

void TimeTravelSliderRow::refresh() {
    const kit::Environment env = m_context.environment();
    const TimeTravel travel(env);
    const kit::Instant now = m_context.scheduler.now();
    const QDate selected = m_context.selectedDate.value();
    const timezones::TimeTravelInput input{selected, now, use30MinuteSteps(), isOnlyOptionHeld()};
    const kit::Instant base = travel.baseDate(selected, now);
    const kit::Instant shown = travel.travelDate(input, m_context.offset);
    const bool isToday = selected == timezones::localDate(env.timeZoneId, now);
    const QString full = travel.sliderTimeText(shown, base, isToday);
    const QString marker = travel.dayMarker(shown, base, isToday);
    QString time = full.toHtmlEscaped();
    if (!marker.isEmpty()) // the marker in a smaller font
        time = full.left(full.size() - marker.size()).toHtmlEscaped() + QStringLiteral("<small>") +
               marker.toHtmlEscaped() + QStringLiteral("</small>");
    m_time->setText(time);
    m_offset->setText(travel.sliderOffsetText(shown, base));
    m_date->setText(travel.sliderDateText(shown));
    const QSignalBlocker block(m_slider);
    updateSliderStep();
    m_slider->setValue(int(m_context.offset.value().value_or(0)));
    auto* dim = new QGraphicsOpacityEffect(m_slider);
    dim->setOpacity(m_context.offset.isTravelling() ? 1.0 : 0.5);
    m_slider->setGraphicsEffect(dim);
}

std::optional<TimeTravelSliderRow::ArrowStep>
TimeTravelSliderRow::arrowStep(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Left && event.key() != Qt::Key_Right)
        return std::nullopt;
    const auto mods = event.modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier && mods != Qt::ControlModifier && mods != Qt::AltModifier)
        return std::nullopt;
    return ArrowStep{event.key() == Qt::Key_Right, mods == Qt::AltModifier};
}

bool TimeTravelSliderRow::eventFilter(QObject* watched, QEvent* event) {
    const bool isKey =
        event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched != m_slider || !isKey)
        return QWidget::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const auto arrow = arrowStep(key);
    if (!arrow) {
        // Other modified arrows are not the slider's: it would move by its own step.
        const bool isArrow = key.key() == Qt::Key_Left || key.key() == Qt::Key_Right;
        return isArrow && event->type() == QEvent::KeyPress;
    }
    event->accept(); // an accepted override keeps the calendar's shortcut from firing
    if (event->type() == QEvent::KeyPress)
        step(arrow->isForward, arrow->isFine);
    return true;
}

void TimeTravelSliderRow::keyPressEvent(QKeyEvent* event) {
    updateSliderStep(); // Alt changes the slider's positions
    QWidget::keyPressEvent(event);
}

void TimeTravelSliderRow::keyReleaseEvent(QKeyEvent* event) {
    updateSliderStep();
    QWidget::keyReleaseEvent(event);
}

void TimeTravelSliderRow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    if (m_context.timeTravelWelcome.isPending())
        m_welcomeTimer =
            m_context.scheduler.after(std::chrono::milliseconds(500), [this] { showWelcome(); });
}

void TimeTravelSliderRow::showWelcome() {
    if (m_welcome || !m_context.timeTravelWelcome.isPending())
        return;
    auto* note = new QFrame(this, Qt::Tool | Qt::FramelessWindowHint);
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->setFrameShape(QFrame::StyledPanel);
    note->setFixedWidth(200);
    auto* layout = new QVBoxLayout(note);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* title = new QLabel(tr("<b>Time Travel</b>"), note);
    auto* text = new QLabel(
        tr("Drag the slider to see a future or past local time in all your time "
           "zones. This can be useful for planning events or meetings.\n\nBy "
           "default, it will skip an hour at a time, but if you hold Alt, it will skip by "
           "15 minutes."),
        note);
    text->setWordWrap(true);
    auto* footnote = new QLabel(tr("<small>There is a setting to hide the slider.</small>"), note);
    footnote->setWordWrap(true);
    auto* close = new QPushButton(tr("Close"), note);
    connect(close, &QPushButton::clicked, note, [this, note] {
        m_context.timeTravelWelcome.dismiss();
        note->close();
    });
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(footnote);
    layout->addWidget(close, 0, Qt::AlignRight);
    // A top-level frame does not ask wrapped labels for their height at its width: give
    // them the width, so the note grows to fit the text instead of overlapping it.
    for (QLabel* label : {title, text, footnote})
        label->setFixedWidth(200 - 2 * 8);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    note->adjustSize();
    note->move(m_slider->mapToGlobal(QPoint(0, m_slider->height())));
    note->show();
    m_welcome = note;
}

} // namespace ruvo::views
