// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/InfoWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

namespace {

constexpr int kWidth = 500;
constexpr int kMargin = 28;

QLabel* headingLabel(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    return heading;
}

} // namespace

QLabel* paragraphLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

InfoWindow::InfoWindow(const InfoContent& content, std::function<void()> openSettings,
                       QWidget* parent)
    : QWidget(parent, Qt::Dialog) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(content.windowTitle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, 24, kMargin, 20);
    layout->setSpacing(12);
    // The window takes its size hint; wrapped labels of a known width give their true height.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(headingLabel(content.heading, this));
    for (const QString& paragraph : content.paragraphs) {
        QLabel* label = paragraphLabel(paragraph, this);
        label->setFixedWidth(kWidth - 2 * kMargin);
        layout->addWidget(label);
    }
    m_body = new QVBoxLayout;
    m_body->setSpacing(10);
    layout->addLayout(m_body);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (openSettings) {
        auto* settings =
            new QPushButton(QCoreApplication::translate("InfoWindow", "Settings…"), this);
        connect(settings, &QPushButton::clicked, this, [openSettings] { openSettings(); });
        buttons->addWidget(settings);
    }
    auto* button = new QPushButton(content.buttonTitle, this);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(button);
    layout->addLayout(buttons);
}

InfoContent welcomeContent() {
    return {QCoreApplication::translate("InfoWindow", "Welcome to Ruvo"),
            QCoreApplication::translate("InfoWindow", "Welcome to Ruvo"),
            {QCoreApplication::translate(
                 "InfoWindow",
                 "Ruvo takes the place of your panel clock. Click the clock to see the month, "
                 "your coming events and reminders, and the time in the places you care about."),
             QCoreApplication::translate(
                 "InfoWindow",
                 "<b>Video calls</b>: events with a Zoom, Google Meet, Microsoft Teams or other "
                 "meeting link get a Join button, and a shortcut joins the next one.")},
            QCoreApplication::translate("InfoWindow", "Get Started")};
}

InfoContent whatsNewContent() {
    return {QCoreApplication::translate("InfoWindow", "What's New in Ruvo"),
            QCoreApplication::translate("InfoWindow", "What's New"),
            {QCoreApplication::translate(
                 "InfoWindow",
                 "<b>Settings in one window.</b> Choose the clock's format, your calendars, time "
                 "zones, alerts and shortcuts with \"Settings…\" in the clock's menu; every change "
                 "applies at once."),
             QCoreApplication::translate(
                 "InfoWindow",
                 "<b>A clock in every panel.</b> Plasma and Xfce get an applet that shows the "
                 "whole text in the panel's own font and colours; trays get a readable square "
                 "icon."),
             QCoreApplication::translate(
                 "InfoWindow",
                 "<b>Follows your desktop's style.</b> The panel text and the windows turn dark "
                 "and light with your desktop, unless you pick colours of your own."),
             QCoreApplication::translate(
                 "InfoWindow",
                 "<b>Your settings are safe.</b> They are written atomically, and a damaged "
                 "settings file is kept aside instead of being overwritten.")},
            QCoreApplication::translate("InfoWindow", "Continue")};
}

} // namespace ruvo::views
