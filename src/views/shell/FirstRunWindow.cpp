// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/FirstRunWindow.h"

#include "views/parts/PlainLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace ruvo::views {

namespace {

// A command or configuration to paste, as it stands, with a button that copies it.
QWidget* snippetRow(const QString& snippet, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(12, 0, 0, 0);
    auto* text = new QLabel(snippet, row);
    text->setTextFormat(Qt::PlainText);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setFrameShape(QFrame::StyledPanel);
    text->setMargin(6);
    text->setWordWrap(true);
    layout->addWidget(text, 1);
    auto* copy = new QToolButton(row);
    copy->setText(FirstRunWindow::tr("Copy"));
    copy->setAccessibleName(FirstRunWindow::tr("Copy the command"));
    QObject::connect(copy, &QToolButton::clicked, row,
                     [snippet] { QApplication::clipboard()->setText(snippet); });
    layout->addWidget(copy, 0, Qt::AlignTop);
    return row;
}

} // namespace

FirstRunWindow::FirstRunWindow(const onboarding::FirstRunGuide& guide,
                               std::function<void()> openSettings, QWidget* parent)
    : InfoWindow(welcomeContent(), std::move(openSettings), parent) {
    addPanelSection(guide);
    addCalendarsSection();
}

void FirstRunWindow::addPanelSection(const onboarding::FirstRunGuide& guide) {
    m_panel = new QGroupBox(tr("Your Panel"), this);
    new QVBoxLayout(m_panel);
    showPanelGuide(guide);
    body()->addWidget(m_panel);
}

void FirstRunWindow::showPanelGuide(const onboarding::FirstRunGuide& guide) {
    QLayout* layout = m_panel->layout();
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    layout->addWidget(plainLabel(guide.summary, m_panel));
    int number = 0;
    for (const auto& step : guide.steps) {
        layout->addWidget(plainLabel(tr("%1. %2").arg(++number).arg(step.text), m_panel));
        if (!step.snippet.isEmpty())
            layout->addWidget(snippetRow(step.snippet, m_panel));
    }
    adjustSize();
}

void FirstRunWindow::addCalendarsSection() {
    m_calendars = new QGroupBox(tr("Your Calendars"), this);
    auto* layout = new QVBoxLayout(m_calendars);
    layout->addWidget(plainLabel(
        tr("Ruvo reads calendars from folders of .ics files, such as those vdirsyncer keeps in "
           "sync with a CalDAV account, and from GNOME's online accounts. Add a folder in "
           "Settings, Calendar, \"Add Calendar Folder…\"."),
        m_calendars));
    body()->addWidget(m_calendars);
}

void FirstRunWindow::showCalendarsFound(const onboarding::CalendarsFound& found) {
    auto* layout = m_calendars->layout();
    if (found.lines.isEmpty())
        return;
    layout->addWidget(plainLabel(tr("Found on this computer:"), m_calendars));
    for (const QString& line : found.lines)
        layout->addWidget(plainLabel(QStringLiteral("• ") + line, m_calendars));
    if (!found.commands.isEmpty())
        layout->addWidget(plainLabel(tr("To add what Ruvo does not show yet, run:"), m_calendars));
    for (const QString& command : found.commands)
        layout->addWidget(snippetRow(command, m_calendars));
}

} // namespace ruvo::views
