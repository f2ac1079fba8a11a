// SPDX-License-Identifier: GPL-3.0-or-later
// The form of one world-clock entry. Every change is written to the entry in
// timeZonesInMenu at once; "Delete" removes the entry after a confirmation.
#pragma once

#include "kit/Signal.h"
#include "settings/Defaults.h"
#include "settings/records/ChosenTimeZone.h"

#include <QUuid>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace ruvo::views {

class EditTimeZoneScreen final : public QWidget {
    Q_OBJECT
public:
    EditTimeZoneScreen(const settings::Defaults& defaults, QUuid entryId,
                       QWidget* parent = nullptr);

    // Applies `change` to the stored entry (nothing when it is gone).
    void update(const std::function<void(settings::ChosenTimeZone&)>& change);

Q_SIGNALS:
    void entryDeleted();

private:
    std::optional<settings::ChosenTimeZone> entry() const;
    void load();
    void confirmDelete();
    QWidget* tip(const QString& onceKey, const QString& text);

    const settings::Defaults& m_defaults;
    QUuid m_id;
    QLineEdit* m_name;
    QComboBox* m_timeFormat;
    QCheckBox* m_showInMenu;
    QPlainTextEdit* m_notes;
    QCheckBox* m_inMenuBar;
    QLineEdit* m_menuBarTitle;
    QCheckBox* m_weekday;
    QComboBox* m_hide;
};

} // namespace ruvo::views
