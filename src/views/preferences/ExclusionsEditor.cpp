// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/ExclusionsEditor.h"

#include "events/exclusion/TitleMatcher.h"
#include "settings/Keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

namespace {

namespace keys = settings::keys;
using Matcher = settings::EventExcludeMatcher;
using Kind = Matcher::Kind;
using Location = Matcher::Location;

constexpr int kIdRole = Qt::UserRole;

struct Named {
    int value;
    const char* label;
};
const Named kKinds[] = {
    {int(Kind::contains), QT_TRANSLATE_NOOP("ExclusionsEditor", "Contains")},
    {int(Kind::equals), QT_TRANSLATE_NOOP("ExclusionsEditor", "Equals")},
    {int(Kind::startsWith), QT_TRANSLATE_NOOP("ExclusionsEditor", "Starts with")},
    {int(Kind::endsWith), QT_TRANSLATE_NOOP("ExclusionsEditor", "Ends with")},
    {int(Kind::regex), QT_TRANSLATE_NOOP("ExclusionsEditor", "Regex")}};
const Named kLocations[] = {
    {int(Location::eventList), QT_TRANSLATE_NOOP("ExclusionsEditor", "Event list")},
    {int(Location::upcomingEventInMenuBar),
     QT_TRANSLATE_NOOP("ExclusionsEditor", "Upcoming event in the panel")},
    {int(Location::fullscreenNotifications),
     QT_TRANSLATE_NOOP("ExclusionsEditor", "Full-screen notifications")},
    {int(Location::systemNotifications),
     QT_TRANSLATE_NOOP("ExclusionsEditor", "Call notifications")}};

QString translated(const char* text) {
    return QCoreApplication::translate("ExclusionsEditor", text);
}

} // namespace

EditMatcherScreen::EditMatcherScreen(const settings::Defaults& defaults, QUuid id, QWidget* parent)
    : QDialog(parent), m_defaults(defaults),
      m_original(defaults.get(keys::fullscreenNotifications_excludeMatcher)), m_id(id),
      m_pattern(new QLineEdit(this)), m_kind(new QComboBox(this)), m_invalid(new QLabel(this)) {
    setWindowTitle(tr("Exclude Events"));
    auto* form = new QFormLayout(this);
    const Matcher* current = nullptr;
    for (const Matcher& m : m_original)
        if (m.id == id)
            current = &m;
    m_pattern->setAccessibleName(tr("Pattern"));
    for (const Named& k : kKinds)
        m_kind->addItem(translated(k.label), k.value);
    m_kind->setAccessibleName(tr("Matcher type"));
    form->addRow(tr("Pattern"), m_pattern);
    m_invalid->setText(tr("Invalid Regex"));
    m_invalid->setForegroundRole(QPalette::BrightText);
    form->addRow(QString(), m_invalid);
    form->addRow(tr("Matcher type"), m_kind);
    form->addRow(QString(), new QLabel(tr("Event title"), this));
    form->addRow(new QLabel(tr("Exclude from"), this));
    for (const Named& l : kLocations) {
        auto* check = new QCheckBox(translated(l.label), this);
        form->addRow(QString(), check);
        m_locations.emplace_back(Location(l.value), check);
        if (current)
            check->setChecked(current->locations.contains(Location(l.value)));
        connect(check, &QCheckBox::toggled, this, &EditMatcherScreen::store);
    }
    if (current) {
        m_pattern->setText(current->pattern);
        m_kind->setCurrentIndex(m_kind->findData(int(current->kind)));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel | QDialogButtonBox::Ok, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EditMatcherScreen::cancel);
    connect(m_pattern, &QLineEdit::textChanged, this, &EditMatcherScreen::store);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &EditMatcherScreen::store);
    store();
}

bool EditMatcherScreen::isShowingInvalidRegex() const {
    return !m_invalid->isHidden();
}

void EditMatcherScreen::store() {
    const auto kind = Kind(m_kind->currentData().toInt());
    m_pattern->setPlaceholderText(kind == Kind::regex ? QStringLiteral("^Timeslot #\\d+$")
                                                      : tr("Timeslot"));
    const bool isInvalid =
        kind == Kind::regex && exclusion::regexError(m_pattern->text()).has_value();
    m_invalid->setHidden(!isInvalid);
    auto matchers = m_defaults.get(keys::fullscreenNotifications_excludeMatcher);
    for (Matcher& m : matchers) {
        if (m.id != m_id)
            continue;
        m.pattern = m_pattern->text();
        m.kind = kind;
        m.locations.clear();
        for (const auto& [location, check] : m_locations)
            if (check->isChecked())
                m.locations.insert(location);
    }
    m_defaults.set(keys::fullscreenNotifications_excludeMatcher, matchers);
}

void EditMatcherScreen::cancel() {
    m_defaults.set(keys::fullscreenNotifications_excludeMatcher, m_original);
    reject();
}

ExclusionsEditor::ExclusionsEditor(const settings::Defaults& defaults, const QString& label,
                                   QWidget* parent)
    : QWidget(parent), m_defaults(defaults), m_list(new QListWidget(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list->setAccessibleName(label);
    m_list->setMaximumHeight(130);
    auto* buttons = new QVBoxLayout;
    auto* add = new QPushButton(tr("Add Matcher"), this);
    auto* edit = new QPushButton(tr("Edit…"), this);
    auto* remove = new QPushButton(tr("Delete"), this);
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, [this] { addMatcher(); });
    connect(remove, &QPushButton::clicked, this, &ExclusionsEditor::deleteSelected);
    const auto openEditor = [this] {
        if (QListWidgetItem* item = m_list->currentItem()) {
            auto* screen = new EditMatcherScreen(m_defaults, item->data(kIdRole).toUuid(), this);
            screen->setAttribute(Qt::WA_DeleteOnClose);
            screen->open();
        }
    };
    connect(edit, &QPushButton::clicked, this, openEditor);
    connect(m_list, &QListWidget::itemActivated, this, openEditor);
    connect(m_list, &QListWidget::itemChanged, this, &ExclusionsEditor::onItemChanged);
    m_subscription = m_defaults.observe(keys::fullscreenNotifications_excludeMatcher,
                                        [this](const auto&) { reload(); });
    reload();
}

void ExclusionsEditor::reload() {
    const QSignalBlocker quiet(m_list);
    const int row = m_list->currentRow();
    m_list->clear();
    for (const Matcher& m : m_defaults.get(keys::fullscreenNotifications_excludeMatcher)) {
        auto* item = new QListWidgetItem(m.pattern.isEmpty() ? tr("(empty)") : m.pattern, m_list);
        item->setData(kIdRole, m.id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m.isEnabled ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(tr("Is Enabled"));
    }
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
}

void ExclusionsEditor::onItemChanged() {
    auto matchers = m_defaults.get(keys::fullscreenNotifications_excludeMatcher);
    for (int i = 0; i < m_list->count() && i < int(matchers.size()); ++i)
        matchers[std::size_t(i)].isEnabled = m_list->item(i)->checkState() == Qt::Checked;
    m_defaults.set(keys::fullscreenNotifications_excludeMatcher, matchers);
}

void ExclusionsEditor::deleteSelected() {
    QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    auto matchers = m_defaults.get(keys::fullscreenNotifications_excludeMatcher);
    std::erase_if(matchers,
                  [id = item->data(kIdRole).toUuid()](const Matcher& m) { return m.id == id; });
    m_defaults.set(keys::fullscreenNotifications_excludeMatcher, matchers);
}

EditMatcherScreen* ExclusionsEditor::addMatcher() {
    auto matchers = m_defaults.get(keys::fullscreenNotifications_excludeMatcher);
    Matcher added;
    added.id = QUuid::createUuid();
    added.locations = Matcher::allLocations();
    matchers.push_back(added);
    m_defaults.set(keys::fullscreenNotifications_excludeMatcher, matchers);
    m_list->setCurrentRow(m_list->count() - 1);
    auto* screen = new EditMatcherScreen(m_defaults, added.id, this);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->open();
    return screen;
}

} // namespace ruvo::views
