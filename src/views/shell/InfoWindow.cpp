// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/InfoWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

InfoWindow::InfoWindow(const InfoContent& content, QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(content.windowTitle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 20);
    layout->setSpacing(12);
    auto* heading = new QLabel(content.heading, this);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    layout->addWidget(heading);
    for (const QString& paragraph : content.paragraphs) {
        auto* label = new QLabel(paragraph, this);
        label->setWordWrap(true);
        label->setTextFormat(Qt::RichText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    layout->addStretch();
    auto* button = new QPushButton(content.buttonTitle, this);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(button, 0, Qt::AlignRight);
    setFixedWidth(460);
}

InfoContent welcomeContent() {
    return {QStringLiteral("Welcome to Ruvo"),
            QStringLiteral("Welcome to Ruvo"),
            {QStringLiteral(
                 "Ruvo takes the place of your panel clock. Click the clock to see the month, your "
                 "coming events and reminders, and the time in the places you care about."),
             QStringLiteral(
                 "<b>Calendars</b> are folders of .ics files: add one with "
                 "<code>ruvo calendars add PATH</code>, or sync any CalDAV account into a folder "
                 "with vdirsyncer."),
             QStringLiteral("<b>Video calls</b>: events with a Zoom, Google Meet, Microsoft Teams "
                            "or other meeting "
                            "link get a Join button."),
             QStringLiteral("<b>Settings</b> live in ~/.config/ruvo; <code>ruvo defaults "
                            "list</code> shows every one "
                            "of them.")},
            QStringLiteral("Get Started")};
}

InfoContent whatsNewContent() {
    return {QStringLiteral("What's New in Ruvo"),
            QStringLiteral("What's New"),
            {QStringLiteral(
                 "<b>Upcoming event in the panel.</b> Ruvo can show your next meeting with a "
                 "countdown next to the clock."),
             QStringLiteral("<b>Join the next call from anywhere.</b> Bind <code>ruvo action "
                            "joinMeeting</code> to "
                            "a keyboard shortcut of your desktop."),
             QStringLiteral("<b>Command line.</b> <code>ruvo defaults</code> reads and writes "
                            "every setting, so your "
                            "setup fits in a script.")},
            QStringLiteral("Continue")};
}

} // namespace ruvo::views
