// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/InfoWindow.h"

#include <QCoreApplication>
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
    auto* button = new QPushButton(content.buttonTitle, this);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(button, 0, Qt::AlignRight);
    setFixedWidth(460);
}

InfoContent welcomeContent() {
    return {
        QCoreApplication::translate("InfoWindow", "Welcome to Ruvo"),
        QCoreApplication::translate("InfoWindow", "Welcome to Ruvo"),
        {QCoreApplication::translate(
             "InfoWindow",
             "Ruvo takes the place of your panel clock. Click the clock to see the month, your "
             "coming events and reminders, and the time in the places you care about."),
         QCoreApplication::translate(
             "InfoWindow",
             "<b>Calendars</b> are folders of .ics files: add one with "
             "<code>ruvo calendars add PATH</code>, or sync any CalDAV account into a folder "
             "with vdirsyncer."),
         QCoreApplication::translate(
             "InfoWindow", "<b>Video calls</b>: events with a Zoom, Google Meet, Microsoft Teams "
                           "or other meeting "
                           "link get a Join button."),
         QCoreApplication::translate("InfoWindow",
                                     "<b>Settings</b> live in ~/.config/ruvo; <code>ruvo defaults "
                                     "list</code> shows every one "
                                     "of them.")},
        QCoreApplication::translate("InfoWindow", "Get Started")};
}

InfoContent whatsNewContent() {
    return {QCoreApplication::translate("InfoWindow", "What's New in Ruvo"),
            QCoreApplication::translate("InfoWindow", "What's New"),
            {QCoreApplication::translate(
                 "InfoWindow", "<b>Follows your desktop's style.</b> With the appearance set to "
                               "system, Ruvo turns dark "
                               "and light with your desktop; or pick one for good."),
             QCoreApplication::translate("InfoWindow",
                                         "<b>Every setting from the command line.</b> <code>ruvo "
                                         "defaults</code> reads and writes "
                                         "them, so your setup fits in a script."),
             QCoreApplication::translate(
                 "InfoWindow", "<b>Your settings are safe.</b> They are written atomically, and a "
                               "damaged settings file "
                               "is kept aside instead of being overwritten.")},
            QCoreApplication::translate("InfoWindow", "Continue")};
}

} // namespace ruvo::views
