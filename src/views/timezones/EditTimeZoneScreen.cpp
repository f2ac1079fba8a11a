// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/timezones/EditTimeZoneScreen.h"

#include "settings/Keys.h"
#include "settings/RunOnce.h"
#include "timezones/ChosenTimeZoneTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

using settings::ChosenTimeZone;
namespace keys = settings::keys;

namespace {

QString hideHelp() {
    return QCoreApplication::translate(
        "EditTimeZoneScreen",
        "Hides the time zone from the menu and/or the menu bar if it is the same time zone or time "
        "as the system.\n\nExample: Say you often travel between New York and San Francisco. You "
        "could add both those time zones and enable this setting in both, and it would only show "
        "the New York time zone when you are not in New York and the San Francisco time zone when "
        "you are not in San Francisco.");
}

QString menuBarTip() {
    return QCoreApplication::translate(
        "EditTimeZoneScreen",
        "Each clock is an item of its own in the panel's tray, and the panel decides its place: "
        "Plasma and Xfce let you order tray items in the tray's settings.\n\nTo remove a clock "
        "from the panel, switch off \"Show in menu bar\" here.\n\nWhen the panel has little "
        "space, it may hide some items behind an arrow. Try not to put too many clocks in the "
        "panel if you have little space.");
}

} // namespace

EditTimeZoneScreen::EditTimeZoneScreen(const settings::Defaults& defaults, QUuid entryId,
                                       QWidget* parent)
    : QWidget(parent), m_defaults(defaults), m_id(entryId), m_name(new QLineEdit(this)),
      m_timeFormat(new QComboBox(this)), m_showInMenu(new QCheckBox(this)),
      m_notes(new QPlainTextEdit(this)), m_inMenuBar(new QCheckBox(this)),
      m_menuBarTitle(new QLineEdit(this)),
      m_weekday(new QCheckBox(tr("Show weekday when time zone is in different day"), this)),
      m_hide(new QComboBox(this)) {
    m_timeFormat->addItems({tr("System"), tr("24-hour"), tr("12-hour")});
    m_hide->addItems(
        {tr("never"), tr("when same as system time zone"), tr("when same as system time")});
    m_hide->setToolTip(hideHelp());
    m_notes->setFixedHeight(70);
    auto* form = new QFormLayout;
    form->addRow(tr("Name"), m_name);
    form->addRow(QString(), tip(QStringLiteral("timeZoneEditScreen_flagEmojiTip"),
                                tr("Tip: add a <a href=\"https://emojipedia.org/"
                                   "flags\">flag emoji</a> to the name.")));
    form->addRow(tr("Time format"), m_timeFormat);
    form->addRow(tr("Show in menu"), m_showInMenu);
    form->addRow(tr("Notes"), m_notes);
    form->addRow(QString(), tip(QStringLiteral("timeZoneEditScreen_notesTip"),
                                tr("Shown in the time zone menu. You could use it to, for "
                                   "example, list team members in a specific time zone.")));
    form->addRow(tr("Hide"), m_hide);
    auto* menuBar = new QGroupBox(tr("Menu Bar"), this);
    auto* menuBarForm = new QFormLayout(menuBar);
    menuBarForm->addRow(tr("Show in menu bar"), m_inMenuBar);
    menuBarForm->addRow(QString(), tip(QStringLiteral("showInMenuBarTip"), menuBarTip()));
    menuBarForm->addRow(tr("Title"), m_menuBarTitle);
    menuBarForm->addRow(m_weekday);
    menuBarForm->addRow(new QLabel(tr("<small>Example: Wed 02:21</small>"), this));
    auto* remove = new QPushButton(tr("Delete"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(menuBar);
    layout->addWidget(remove, 0, Qt::AlignLeft);
    load();

    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        update([&](ChosenTimeZone& e) { timezones::rename(e, text); });
    });
    connect(m_timeFormat, &QComboBox::activated, this, [this](int i) {
        update([&](ChosenTimeZone& e) { e.timeFormat = ChosenTimeZone::TimeFormat(i); });
    });
    connect(m_showInMenu, &QCheckBox::toggled, this,
            [this](bool on) { update([&](ChosenTimeZone& e) { e.showInMenu = on; }); });
    connect(m_notes, &QPlainTextEdit::textChanged, this,
            [this] { update([&](ChosenTimeZone& e) { e.notes = m_notes->toPlainText(); }); });
    connect(m_inMenuBar, &QCheckBox::toggled, this,
            [this](bool on) { update([&](ChosenTimeZone& e) { e.isInMenuBar = on; }); });
    connect(m_menuBarTitle, &QLineEdit::textEdited, this, [this](const QString& text) {
        update([&](ChosenTimeZone& e) { e.menuBarTitle = text; });
    });
    connect(m_weekday, &QCheckBox::toggled, this, [this](bool on) {
        update([&](ChosenTimeZone& e) { e.menuBarShowWeekdayWhenInDifferentDay = on; });
    });
    connect(m_hide, &QComboBox::activated, this, [this](int i) {
        update([&](ChosenTimeZone& e) { e.hide = ChosenTimeZone::Hide(i); });
    });
    connect(remove, &QPushButton::clicked, this, &EditTimeZoneScreen::confirmDelete);
}

QWidget* EditTimeZoneScreen::tip(const QString& onceKey, const QString& text) {
    auto* label = new QLabel(QStringLiteral("<small>") + text + QStringLiteral("</small>"), this);
    label->setWordWrap(true);
    label->setOpenExternalLinks(true);
    label->setVisible(settings::runOnce(m_defaults, onceKey, [] {}));
    return label;
}

std::optional<ChosenTimeZone> EditTimeZoneScreen::entry() const {
    for (const ChosenTimeZone& e : m_defaults.get(keys::timeZonesInMenu))
        if (e.id == m_id)
            return e;
    return std::nullopt;
}

void EditTimeZoneScreen::load() {
    const auto e = entry();
    if (!e)
        return;
    const QSignalBlocker b1(m_showInMenu), b2(m_notes), b3(m_inMenuBar), b4(m_weekday);
    m_name->setText(e->name.value_or(QString()));
    m_name->setPlaceholderText(timezones::displayName(*e));
    m_timeFormat->setCurrentIndex(int(e->timeFormat));
    m_showInMenu->setChecked(e->showInMenu);
    m_notes->setPlainText(e->notes);
    m_inMenuBar->setChecked(e->isInMenuBar);
    m_menuBarTitle->setText(e->menuBarTitle);
    m_weekday->setChecked(e->menuBarShowWeekdayWhenInDifferentDay);
    m_hide->setCurrentIndex(int(e->hide));
}

void EditTimeZoneScreen::update(const std::function<void(ChosenTimeZone&)>& change) {
    auto list = m_defaults.get(keys::timeZonesInMenu);
    for (ChosenTimeZone& e : list)
        if (e.id == m_id) {
            change(e);
            m_defaults.set(keys::timeZonesInMenu, list);
            return;
        }
}

void EditTimeZoneScreen::confirmDelete() {
    QMessageBox box(QMessageBox::Question, tr("Delete"), tr("Delete this time zone?"),
                    QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(tr("Delete"), QMessageBox::DestructiveRole);
    box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() != yes)
        return;
    auto list = m_defaults.get(keys::timeZonesInMenu);
    std::erase_if(list, [&](const ChosenTimeZone& e) { return e.id == m_id; });
    m_defaults.set(keys::timeZonesInMenu, list);
    Q_EMIT entryDeleted();
}

} // namespace ruvo::views
