// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/timezones/TimeZonesSettings.h"

#include "settings/Keys.h"
#include "timezones/ChosenTimeZoneTexts.h"
#include "timezones/ZoneTexts.h"
#include "views/timezones/AddTimeZoneScreen.h"
#include "views/timezones/EditTimeZoneScreen.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

namespace keys = settings::keys;
using settings::ChosenTimeZone;

TimeZonesSettings::TimeZonesSettings(const settings::Defaults& defaults, const kit::Clock& clock,
                                     timezones::PlaceList& places, QWidget* parent)
    : QWidget(parent), m_defaults(defaults), m_clock(clock), m_places(places),
      m_list(new QListWidget(this)) {
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* add = new QPushButton(QStringLiteral("+"), this);
    auto* remove = new QPushButton(QStringLiteral("−"), this);
    add->setToolTip(tr("Add Time Zone"));
    remove->setToolTip(tr("Delete"));
    // The buttons show symbols: a screen reader reads their tooltips' words.
    add->setAccessibleName(add->toolTip());
    remove->setAccessibleName(remove->toolTip());
    m_list->setAccessibleName(tr("Time Zones"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &TimeZonesSettings::addEntry);
    connect(remove, &QPushButton::clicked, this, &TimeZonesSettings::deleteSelected);
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this, &TimeZonesSettings::storeOrder);
    // A double click, or Enter for the keyboard.
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { editEntry(item->data(Qt::UserRole).toUuid()); });
    m_list->installEventFilter(this);
    m_subscription = defaults.observe({keys::timeZonesInMenu}, [this] { reload(); });
    reload();
}

// The list's keys for what the mouse does by dragging and with the "−" button.
bool TimeZonesSettings::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list || event->type() != QEvent::KeyPress)
        return false;
    const auto* press = static_cast<QKeyEvent*>(event);
    const bool isAlt = press->modifiers() == Qt::AltModifier;
    if (isAlt && (press->key() == Qt::Key_Up || press->key() == Qt::Key_Down)) {
        moveSelected(press->key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    if (press->matches(QKeySequence::Delete)) {
        deleteSelected();
        return true;
    }
    return false;
}

void TimeZonesSettings::moveSelected(int step) {
    const int from = m_list->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= m_list->count())
        return;
    m_list->insertItem(to, m_list->takeItem(from));
    storeOrder();
    m_list->setCurrentRow(to);
}

void TimeZonesSettings::reload() {
    const QSignalBlocker block(m_list->model());
    const int current = m_list->currentRow();
    m_list->clear();
    for (const ChosenTimeZone& e : m_defaults.get(keys::timeZonesInMenu)) {
        auto* item = new QListWidgetItem(timezones::displayName(e) + QStringLiteral("  —  ") +
                                         timezones::zoneLabel(e.timeZone, m_clock.now()));
        item->setData(Qt::UserRole, e.id);
        m_list->addItem(item);
    }
    m_list->setCurrentRow(std::min(current, m_list->count() - 1));
}

void TimeZonesSettings::storeOrder() {
    const auto entries = m_defaults.get(keys::timeZonesInMenu);
    settings::TimeZoneList ordered;
    for (int i = 0; i < m_list->count(); ++i) {
        const QUuid id = m_list->item(i)->data(Qt::UserRole).toUuid();
        for (const ChosenTimeZone& e : entries)
            if (e.id == id)
                ordered.push_back(e);
    }
    if (ordered.size() == entries.size())
        m_defaults.set(keys::timeZonesInMenu, ordered);
}

void TimeZonesSettings::addEntry() {
    auto* sheet = new AddTimeZoneScreen(m_defaults, m_clock, m_places, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &AddTimeZoneScreen::entryAdded, this,
            [this](const ChosenTimeZone& e) { editEntry(e.id); });
    sheet->open();
}

void TimeZonesSettings::editEntry(QUuid id) {
    auto* sheet = new QDialog(this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowTitle(tr("Edit Time Zone"));
    auto* screen = new EditTimeZoneScreen(m_defaults, id, sheet);
    auto* done = new QDialogButtonBox(QDialogButtonBox::Close, sheet);
    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(screen);
    layout->addWidget(done);
    connect(done, &QDialogButtonBox::rejected, sheet, &QDialog::close);
    connect(screen, &EditTimeZoneScreen::entryDeleted, sheet, &QDialog::close);
    sheet->open();
}

void TimeZonesSettings::deleteSelected() {
    QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    QMessageBox box(QMessageBox::Question, tr("Delete"), tr("Delete %1?").arg(item->text()),
                    QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(tr("Delete"), QMessageBox::DestructiveRole);
    box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() != yes)
        return;
    const QUuid id = item->data(Qt::UserRole).toUuid();
    auto list = m_defaults.get(keys::timeZonesInMenu);
    std::erase_if(list, [&](const ChosenTimeZone& e) { return e.id == id; });
    m_defaults.set(keys::timeZonesInMenu, list);
}

} // namespace ruvo::views
