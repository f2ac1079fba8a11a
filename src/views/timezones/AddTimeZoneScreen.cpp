// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/timezones/AddTimeZoneScreen.h"

#include "timezones/TimeZoneSearch.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

namespace {
constexpr int kShownResults = 300; // more is never read, and costs layout time
}

AddTimeZoneScreen::AddTimeZoneScreen(const settings::Defaults& defaults, const kit::Clock& clock,
                                     timezones::PlaceList& places, QWidget* parent)
    : QDialog(parent), m_defaults(defaults), m_clock(clock), m_places(places),
      m_search(new QLineEdit(this)), m_results(new QListWidget(this)),
      m_empty(new QLabel(timezones::searchPrompt(), this)) {
    setWindowTitle(tr("Add Time Zone"));
    m_search->setPlaceholderText(tr("Search"));
    m_search->setClearButtonEnabled(true);
    m_empty->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_add = buttons->addButton(tr("Add"), QDialogButtonBox::AcceptRole);
    m_add->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_empty, 1);
    layout->addWidget(buttons);
    m_results->hide();
    resize(420, 420);
    connect(m_search, &QLineEdit::textChanged, this, &AddTimeZoneScreen::onSearchTextChanged);
    connect(m_results, &QListWidget::currentRowChanged, this,
            [this](int row) { m_add->setEnabled(row >= 0); });
    connect(m_results, &QListWidget::itemDoubleClicked, this, &AddTimeZoneScreen::addSelected);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddTimeZoneScreen::addSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void AddTimeZoneScreen::setSearchText(const QString& text) {
    m_search->setText(text);
}

int AddTimeZoneScreen::resultCount() const {
    return int(m_found.size());
}

void AddTimeZoneScreen::onSearchTextChanged(const QString& text) {
    m_found = m_places.candidates(m_clock.now()).search(text);
    m_results->clear();
    for (std::size_t i = 0; i < m_found.size() && i < kShownResults; ++i) {
        const auto* r = m_found[i];
        auto* item =
            new QListWidgetItem(r->displayText + QStringLiteral("\n") + r->displayTimeZone);
        m_results->addItem(item);
    }
    m_empty->setText(text.size() < 2 ? timezones::searchPrompt() : timezones::noResultsText());
    m_empty->setVisible(m_found.empty());
    m_results->setVisible(!m_found.empty());
    if (!m_found.empty())
        m_results->setCurrentRow(0);
}

void AddTimeZoneScreen::addSelected() {
    const int row = m_results->currentRow();
    if (row < 0 || std::size_t(row) >= m_found.size())
        return;
    const auto entry = timezones::entryForCandidate(*m_found[std::size_t(row)]);
    if (!entry) { // a place whose zone this system does not know: nothing to add
        reject();
        return;
    }
    timezones::appendTimeZone(m_defaults, *entry);
    accept();
    QMetaObject::invokeMethod(
        this, [this, e = *entry] { Q_EMIT entryAdded(e); }, Qt::QueuedConnection);
}

} // namespace ruvo::views
