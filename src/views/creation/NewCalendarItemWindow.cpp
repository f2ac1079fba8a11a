// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/creation/NewCalendarItemWindow.h"

#include "creation/SaveNewItem.h"
#include "settings/Keys.h"
#include "settings/RunOnce.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace ruvo::views {

namespace keys = settings::keys;

namespace {

const QString kIntroMarker = QStringLiteral("newEventWindowIntroMessage");

bool askToDiscard(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, NewCalendarItemWindow::tr("New Calendar Item"),
                    NewCalendarItemWindow::tr("Are you sure you want to discard this?"),
                    QMessageBox::Cancel, parent);
    QPushButton* discard =
        box.addButton(NewCalendarItemWindow::tr("Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == discard;
}

} // namespace

NewCalendarItemWindow::NewCalendarItemWindow(NewItemDependencies dependencies, QWidget* parent)
    : QWidget(parent, Qt::Window), m_deps(std::move(dependencies)),
      m_eventTab(new QPushButton(tr("Event"))), m_reminderTab(new QPushButton(tr("Reminder"))),
      m_title(new QLineEdit), m_pages(new QStackedWidget), m_eventPage(new NewEventPage(m_deps)),
      m_reminderPage(new NewReminderPage(m_deps)), m_notes(new QPlainTextEdit),
      m_error(new QLabel) {
    setWindowTitle(tr("New Calendar Item"));
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeSwitch());
    if (!m_deps.defaults.get(settings::runOnceKey(kIntroMarker)))
        layout->addWidget(makeIntroduction());
    m_title->setPlaceholderText(tr("Title"));
    m_title->setAccessibleName(tr("Title"));
    layout->addWidget(m_title);
    m_pages->addWidget(m_eventPage);
    m_pages->addWidget(m_reminderPage);
    layout->addWidget(m_pages);
    m_notes->setPlaceholderText(tr("Notes"));
    m_notes->setAccessibleName(tr("Notes"));
    m_notes->setTabChangesFocus(true);
    m_notes->setFixedHeight(m_notes->fontMetrics().lineSpacing() * 4 + 12);
    layout->addWidget(m_notes);
    m_error->setWordWrap(true);
    m_error->setTextFormat(Qt::PlainText);
    m_error->setStyleSheet(QStringLiteral("color: #c0392b;"));
    m_error->hide();
    layout->addWidget(m_error);
    layout->addWidget(makeButtons());
    auto* toggle = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(toggle, &QShortcut::activated, this, [this] { showReminders(!isShowingReminders()); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    showReminders(m_deps.defaults.get(keys::newCalendarItemScreenIsShowingReminders));
    m_title->setFocus();
}

QWidget* NewCalendarItemWindow::makeSwitch() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* group = new QButtonGroup(box);
    for (QPushButton* tab : {m_eventTab, m_reminderTab}) {
        tab->setCheckable(true);
        tab->setAutoDefault(false);
        tab->setToolTip(tr("Switch between new event and reminder"));
        group->addButton(tab);
        row->addWidget(tab);
    }
    connect(m_eventTab, &QPushButton::clicked, this, [this] { showReminders(false); });
    connect(m_reminderTab, &QPushButton::clicked, this, [this] { showReminders(true); });
    return box;
}

QWidget* NewCalendarItemWindow::makeIntroduction() {
    m_intro = new QFrame;
    static_cast<QFrame*>(m_intro)->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(m_intro);
    auto* text = new QLabel(
        tr("This window offers the most used fields only. \"More Settings…\" continues the event "
           "in your calendar application. Control+Tab switches between event and reminder."));
    text->setWordWrap(true);
    row->addWidget(text, 1);
    auto* gotIt = new QPushButton(tr("Got It"));
    gotIt->setAutoDefault(false);
    connect(gotIt, &QPushButton::clicked, this, [this] {
        m_deps.defaults.set(settings::runOnceKey(kIntroMarker), true);
        m_intro->hide();
        adjustSize();
    });
    row->addWidget(gotIt, 0, Qt::AlignTop);
    return m_intro;
}

QWidget* NewCalendarItemWindow::makeButtons() {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_moreSettings = new QPushButton(tr("More Settings…"));
    m_moreSettings->setToolTip(tr("Continue editing the event in the default calendar app"));
    m_moreSettings->setAutoDefault(false);
    connect(m_moreSettings, &QPushButton::clicked, this,
            &NewCalendarItemWindow::continueInCalendarApplication);
    row->addWidget(m_moreSettings);
    row->addStretch(1);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(cancel);
    m_add = new QPushButton;
    m_add->setDefault(true);
    connect(m_add, &QPushButton::clicked, this, &NewCalendarItemWindow::add);
    connect(m_title, &QLineEdit::returnPressed, this, &NewCalendarItemWindow::add);
    row->addWidget(m_add);
    return box;
}

bool NewCalendarItemWindow::isShowingReminders() const {
    return m_pages->currentWidget() == m_reminderPage;
}

void NewCalendarItemWindow::showReminders(bool reminders) {
    m_pages->setCurrentWidget(reminders ? static_cast<QWidget*>(m_reminderPage) : m_eventPage);
    (reminders ? m_reminderTab : m_eventTab)->setChecked(true);
    m_moreSettings->setVisible(!reminders);
    m_add->setText(reminders ? tr("Add Reminder") : tr("Add Event"));
    m_error->hide();
    if (reminders != m_deps.defaults.get(keys::newCalendarItemScreenIsShowingReminders))
        m_deps.defaults.set(keys::newCalendarItemScreenIsShowingReminders, reminders);
    adjustSize();
}

void NewCalendarItemWindow::add() {
    const QString zoneId = m_deps.environment().timeZoneId;
    if (isShowingReminders()) {
        creation::NewReminderForm form = m_reminderPage->form();
        form.title = m_title->text();
        form.notes = m_notes->toPlainText();
        const auto saved =
            creation::saveNewReminder(m_deps.store, creation::reminderDraft(form, zoneId));
        saved ? finish(saved->identifier) : showError(saved.error());
        return;
    }
    creation::NewEventForm form = m_eventPage->form();
    form.title = m_title->text();
    form.notes = m_notes->toPlainText();
    const auto saved = creation::saveNewEvent(m_deps.store, creation::eventDraft(form, zoneId));
    saved ? finish(saved->eventIdentifier()) : showError(saved.error());
}

void NewCalendarItemWindow::continueInCalendarApplication() {
    creation::NewEventForm form = m_eventPage->form();
    form.title = m_title->text();
    form.notes = m_notes->toPlainText();
    if (!m_deps.continueElsewhere)
        return;
    const auto handed =
        m_deps.continueElsewhere(creation::eventDraft(form, m_deps.environment().timeZoneId));
    if (handed.error.isEmpty())
        return finish(QString());
    showError(handed.error);
    if (handed.isSaved) { // nothing left to add or discard here
        m_isFinished = true;
        m_add->setEnabled(false);
        m_moreSettings->setEnabled(false);
    }
}

void NewCalendarItemWindow::finish(const QString& identifier) {
    m_isFinished = true;
    if (!identifier.isEmpty())
        Q_EMIT itemSaved(identifier);
    close();
}

void NewCalendarItemWindow::showError(const QString& text) {
    m_error->setText(text);
    m_error->show();
}

bool NewCalendarItemWindow::hasContent() const {
    creation::NewEventForm event = m_eventPage->form();
    event.title = m_title->text();
    event.notes = m_notes->toPlainText();
    return creation::hasContent(event, {});
}

void NewCalendarItemWindow::closeEvent(QCloseEvent* event) {
    if (!m_isFinished && hasContent()) {
        const bool discard =
            m_deps.confirmDiscard ? m_deps.confirmDiscard(this) : askToDiscard(this);
        if (!discard) {
            event->ignore();
            return;
        }
    }
    m_isFinished = true;
    event->accept();
}

} // namespace ruvo::views
