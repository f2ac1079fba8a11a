// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/timezones/FloatingClockWindow.h"

#include "settings/Keys.h"
#include "timezones/IcuFormat.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

namespace ruvo::views {

namespace keys = settings::keys;

namespace {

// Window types Qt's xcb platform reads from this property (QXcbWindow's WmWindowType flags).
constexpr int kX11DesktopType = 0x000001;
constexpr int kX11NotificationType = 0x000400;

QFont clockFont(const std::optional<settings::FontDescriptor>& stored) {
    QFont font;
    if (!stored) {
        font.setPointSize(50);
        font.setBold(true);
        return font;
    }
    if (!stored->family.isEmpty())
        font.setFamily(stored->family);
    font.setPointSizeF(stored->pointSize > 0 ? stored->pointSize : 50);
    font.setWeight(QFont::Weight(stored->weight));
    font.setItalic(stored->italic);
    return font;
}

QGraphicsDropShadowEffect* shadow(QObject* parent, double radius, double opacity) {
    auto* effect = new QGraphicsDropShadowEffect(parent);
    effect->setBlurRadius(radius * 2);
    effect->setOffset(0, 0);
    effect->setColor(QColor(0, 0, 0, int(opacity * 255)));
    return effect;
}

} // namespace

FloatingClockWindow::FloatingClockWindow(const settings::Defaults& defaults,
                                         kit::Scheduler& scheduler, menubar::ClockTicks& ticks,
                                         std::function<kit::Environment()> environment,
                                         QWidget* parent)
    : QWidget(parent), m_defaults(defaults), m_scheduler(scheduler), m_ticks(ticks),
      m_environment(std::move(environment)), m_shadowHolder(new QWidget(this)),
      m_time(new QLabel(m_shadowHolder)), m_hide(new QToolButton(this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(tr("Floating Clock"));
    auto* inner = new QHBoxLayout(m_shadowHolder);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(m_time);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_shadowHolder);
    m_hide->setText(tr("Hide"));
    m_hide->setVisible(false);
    connect(m_hide, &QToolButton::clicked, this,
            [this] { m_defaults.set(keys::floatingClockIsEnabled, false); });
    m_subscriptions.push_back(defaults.observe(
        {keys::floatingClock_show, keys::floatingClockShowBackground, keys::floatingClockFont,
         keys::floatingClockColor, keys::floatingClockOpacity},
        [this] { applySettings(); }));
    applySettings();
    refreshTime();
}

void FloatingClockWindow::refreshTime() {
    m_time->setText(timezones::shortTimeText(m_environment(), m_scheduler.now()));
    adjustSize();
}

void FloatingClockWindow::applySettings() {
    const bool background = m_defaults.get(keys::floatingClockShowBackground);
    m_time->setFont(clockFont(m_defaults.get(keys::floatingClockFont)));
    const auto color = m_defaults.get(keys::floatingClockColor);
    const QColor text = color ? QColor(color->red, color->green, color->blue, color->alpha)
                              : palette().color(QPalette::WindowText);
    m_time->setStyleSheet(QStringLiteral("color: %1").arg(text.name(QColor::HexArgb)));
    m_time->setGraphicsEffect(shadow(m_time, 0.5, background ? 0.7 : 1.0));
    m_shadowHolder->setGraphicsEffect(shadow(m_shadowHolder, 4, background ? 0.1 : 0.3));
    const int padding = background ? 26 : 10;
    layout()->setContentsMargins(padding, 4, padding, 4);
    setWindowOpacity(std::clamp(m_defaults.get(keys::floatingClockOpacity), 0.05, 1.0));
    applyWindowLevel();
    adjustSize();
    update();
}

void FloatingClockWindow::applyWindowLevel() {
    const auto show = m_defaults.get(keys::floatingClock_show);
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint;
    int type = 0;
    switch (show) {
    case settings::FloatingClockShow::aboveAllWindows:
        flags |= Qt::WindowStaysOnTopHint;
        break;
    case settings::FloatingClockShow::aboveAllWindowsAndFullscreen:
        // Notification windows stay above full-screen ones in the common X11 window managers.
        flags |= Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
        type = kX11NotificationType;
        break;
    case settings::FloatingClockShow::onDesktopBackground:
        flags |= Qt::WindowStaysOnBottomHint;
        type = kX11DesktopType;
        break;
    }
    const bool wasVisible = isVisible();
    if (flags != windowFlags())
        setWindowFlags(flags);
    winId(); // the native window must exist to carry the window type
    if (QWindow* w = windowHandle())
        w->setProperty("_q_xcb_wm_window_type", type);
    if (wasVisible)
        QWidget::show();
}

void FloatingClockWindow::paintEvent(QPaintEvent*) {
    if (!m_defaults.get(keys::floatingClockShowBackground))
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(QPalette::Window);
    fill.setAlphaF(0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 14, 14);
}

void FloatingClockWindow::mousePressEvent(QMouseEvent* event) {
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void FloatingClockWindow::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void FloatingClockWindow::enterEvent(QEnterEvent*) {
    m_hide->setVisible(true);
    m_hide->move(width() - m_hide->sizeHint().width() - 4, 4);
    m_hide->raise();
}

void FloatingClockWindow::leaveEvent(QEvent*) {
    m_hide->setVisible(false);
}

void FloatingClockWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshTime();
    m_ticker = m_ticks.subscribe(menubar::ClockTimer::Precision::minute, [this] { refreshTime(); });
}

void FloatingClockWindow::hideEvent(QHideEvent* event) {
    m_ticker.cancel();
    QWidget::hideEvent(event);
}

FloatingClockController::FloatingClockController(const settings::Defaults& defaults,
                                                 kit::Scheduler& scheduler,
                                                 menubar::ClockTicks& ticks,
                                                 std::function<kit::Environment()> environment)
    : m_defaults(defaults), m_scheduler(scheduler), m_ticks(ticks),
      m_environment(std::move(environment)) {
    m_subscription = defaults.observe(keys::floatingClockIsEnabled,
                                      [this](const settings::KeyChange<bool>& c) {
                                          if (!c.isPrior)
                                              apply(c.newValue);
                                      },
                                      {.initial = true});
}

FloatingClockController::~FloatingClockController() {
    delete m_window;
}

void FloatingClockController::apply(bool isEnabled) {
    if (!isEnabled) {
        if (m_window)
            m_window->deleteLater();
        return;
    }
    if (!m_window)
        m_window = new FloatingClockWindow(m_defaults, m_scheduler, m_ticks, m_environment);
    m_window->show();
}

} // namespace ruvo::views
