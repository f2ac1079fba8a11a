// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/MenuWindow.h"

#include "menubar/MenuWindowPlacement.h"
#include "settings/Keys.h"
#include "views/MainScreen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace ruvo::views {

namespace keys = settings::keys;

namespace {
// A click on the item takes the focus from the window before the click arrives: a close by
// focus loss this recent counts as the click's own close.
constexpr qint64 kClickAfterFocusLossMs = 400;
} // namespace

MenuWindow::MenuWindow(const settings::Defaults& defaults, MainScreen* content, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_defaults(defaults), m_content(content) {
    setObjectName(QStringLiteral("AppKitWindow"));
    setWindowTitle(QStringLiteral("Ruvo"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_content);
}

bool MenuWindow::isMenuWindowVisible() const {
    const bool justClosed =
        m_closedByFocusLoss.isValid() && m_closedByFocusLoss.elapsed() < kClickAfterFocusLossMs;
    return isVisible() || justClosed;
}

QScreen* MenuWindow::screenFor(std::optional<QPoint> clickPoint) const {
    QScreen* screen = QGuiApplication::screenAt(clickPoint.value_or(QCursor::pos()));
    return screen ? screen : QGuiApplication::primaryScreen();
}

QPoint MenuWindow::placement(const QScreen& screen, std::optional<QPoint> clickPoint) const {
    // Without a click position, the pointer stands in for it while it is on a panel.
    const QPoint pointer = QCursor::pos();
    if (!clickPoint && screen.geometry().contains(pointer) &&
        !screen.availableGeometry().contains(pointer))
        clickPoint = pointer;
    return menubar::menuWindowPosition({screen.geometry(), screen.availableGeometry(), sizeHint(),
                                        clickPoint,
                                        m_defaults.get(keys::menu_positionedBelowMenuBarItem),
                                        layoutDirection() == Qt::RightToLeft});
}

void MenuWindow::showMenuWindow(std::optional<QPoint> clickPoint) {
    m_closedByFocusLoss.invalidate();
    QScreen* screen = screenFor(clickPoint);
    if (screen)
        move(placement(*screen, clickPoint));
    m_content->setActive(true);
    show();
    raise();
    activateWindow();
    Q_EMIT shown();
}

void MenuWindow::closeMenuWindow() {
    m_closedByFocusLoss.invalidate();
    if (!isVisible())
        return;
    hide();
    m_content->setActive(false);
    Q_EMIT closed();
}

bool MenuWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isVisible() &&
        !m_defaults.get(keys::pinWindow)) {
        closeMenuWindow();
        m_closedByFocusLoss.start();
    }
    return QWidget::event(event);
}

void MenuWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        closeMenuWindow();
    else
        QWidget::keyPressEvent(event);
}

void MenuWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ruvo::views
