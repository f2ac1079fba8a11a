// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/alerts/FullscreenAlertWindow.h"

#include "kit/LocalTime.h"
#include "views/parts/PlainLabel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QTimeZone>
#include <QVBoxLayout>

namespace ruvo::views {

using alerts::SnoozeChoice;

namespace {

constexpr int kFadeInMs = 350;

QLabel* centredLabel(int pointSize, bool isBold, QWidget* parent) {
    QLabel* label = plainLabel(QString(), parent);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(isBold);
    label->setFont(font);
    return label;
}

} // namespace

FullscreenAlertWindow::FullscreenAlertWindow(QScreen* screen, const kit::Environment& environment)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_environment(environment) {
    setObjectName(QStringLiteral("FullscreenAlertWindow"));
    setWindowTitle(tr("Ruvo"));
    setScreen(screen);
    setGeometry(screen->geometry());
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(28, 28, 32));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    build();
    m_fade = new QPropertyAnimation(this, "windowOpacity", this);
    m_fade->setDuration(kFadeInMs);
    m_fade->setStartValue(0.0);
    m_fade->setEndValue(1.0);
}

void FullscreenAlertWindow::build() {
    auto* column = new QVBoxLayout(this);
    column->addStretch(3);
    m_time = centredLabel(20, false, this);
    m_title = centredLabel(40, true, this);
    m_location = centredLabel(18, false, this);
    m_error = centredLabel(16, false, this);
    m_error->setStyleSheet(QStringLiteral("color: #ff6961"));
    for (QLabel* label : {m_time, m_title, m_location, m_error})
        column->addWidget(label);
    column->addSpacing(32);

    m_join = makeButton(tr("Join Video Call"));
    m_join->setDefault(true);
    m_showEvent = makeButton(tr("Show Event"));
    m_snooze = makeButton(tr("Snooze"));
    auto* menu = new QMenu(m_snooze);
    const std::pair<QString, SnoozeChoice> choices[] = {
        {tr("Snooze 1 minute"), SnoozeChoice::oneMinute},
        {tr("Snooze 5 minutes"), SnoozeChoice::fiveMinutes},
        {tr("Snooze until event"), SnoozeChoice::untilEvent}};
    for (const auto& [text, choice] : choices)
        menu->addAction(text, this, [this, choice = choice] { Q_EMIT snoozeChosen(choice); });
    m_snooze->setMenu(menu);
    m_dismiss = makeButton(tr("Dismiss"));
    m_dismiss->setToolTip(tr("Dismiss notification"));
    connect(m_join, &QPushButton::clicked, this, &FullscreenAlertWindow::joinChosen);
    connect(m_showEvent, &QPushButton::clicked, this, &FullscreenAlertWindow::showEventChosen);
    connect(m_dismiss, &QPushButton::clicked, this, &FullscreenAlertWindow::dismissChosen);

    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : {m_join, m_showEvent, m_snooze, m_dismiss})
        row->addWidget(button);
    row->addStretch();
    column->addLayout(row);
    column->addStretch(4);
}

QPushButton* FullscreenAlertWindow::makeButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setMinimumHeight(40);
    button->setMinimumWidth(160);
    QFont font = button->font();
    font.setPointSize(14);
    button->setFont(font);
    return button;
}

QString FullscreenAlertWindow::timeText(const platform::Event& event) const {
    const QLocale locale(m_environment.localeId);
    const QTimeZone zone = kit::zoneOrUtc(m_environment.timeZoneId);
    const QDateTime start = kit::toQDateTime(event.start()).toTimeZone(zone);
    const QDateTime end = kit::toQDateTime(event.dateRange().end).toTimeZone(zone);
    return tr("%1 – %2").arg(locale.toString(start.time(), QLocale::ShortFormat),
                             locale.toString(end.time(), QLocale::ShortFormat));
}

void FullscreenAlertWindow::setShown(const alerts::FullscreenAlertShown& shown) {
    const QString title = shown.event.title().trimmed();
    m_title->setText(title.isEmpty() ? tr("(No title)") : title);
    m_time->setText(timeText(shown.event));
    m_location->setText(shown.event.location());
    m_location->setVisible(!shown.event.location().isEmpty());
    m_error->setText(shown.error);
    m_error->setVisible(!shown.error.isEmpty());
    m_join->setVisible(shown.canJoin);
}

void FullscreenAlertWindow::present() {
    setWindowOpacity(0.0);
    showFullScreen();
    raise();
    m_fade->start();
}

void FullscreenAlertWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Q_EMIT dismissChosen();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace ruvo::views
