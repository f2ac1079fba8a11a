// SPDX-License-Identifier: GPL-3.0-or-later
// The search sheet that adds a world-clock entry: type a city, country, region, abbreviation
// or offset, pick a result, "Add". The new entry is handed on (to open its edit screen).
#pragma once

#include "kit/Clock.h"
#include "settings/Defaults.h"
#include "settings/records/ChosenTimeZone.h"
#include "timezones/PlaceList.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ruvo::views {

class AddTimeZoneScreen final : public QDialog {
    Q_OBJECT
public:
    AddTimeZoneScreen(const settings::Defaults& defaults, const kit::Clock& clock,
                      timezones::PlaceList& places, QWidget* parent = nullptr);

    void setSearchText(const QString& text);
    int resultCount() const;

Q_SIGNALS:
    // After the sheet closed: the entry that was added.
    void entryAdded(const settings::ChosenTimeZone& entry);

private:
    void onSearchTextChanged(const QString& text);
    void addSelected();

    const settings::Defaults& m_defaults;
    const kit::Clock& m_clock;
    timezones::PlaceList& m_places;
    QLineEdit* m_search;
    QListWidget* m_results;
    QLabel* m_empty;
    QPushButton* m_add;
    std::vector<const timezones::TimeZoneResult*> m_found;
};

} // namespace ruvo::views
