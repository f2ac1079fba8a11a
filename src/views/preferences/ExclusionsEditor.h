// SPDX-License-Identifier: GPL-3.0-or-later
// The exclusion rules: each row shows its pattern and an "Is Enabled" switch; "Add Matcher"
// adds one and opens the editor on it; "Delete" removes the selected one. The editor writes
// every change at once, says "Invalid Regex" while a regular expression does not compile, and
// "Cancel" puts the rule back as it was.
#pragma once

#include "settings/Defaults.h"
#include "settings/Keys.h"

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace ruvo::views {

class EditMatcherScreen final : public QDialog {
    Q_OBJECT
public:
    EditMatcherScreen(const settings::Defaults& defaults, QUuid id, QWidget* parent = nullptr);

    QLineEdit* patternField() const { return m_pattern; }
    QComboBox* kindPicker() const { return m_kind; }
    bool isShowingInvalidRegex() const;

private:
    void store();
    void cancel();

    const settings::Defaults& m_defaults;
    settings::ExcludeMatcherList m_original;
    QUuid m_id;
    QLineEdit* m_pattern;
    QComboBox* m_kind;
    QLabel* m_invalid;
    std::vector<std::pair<settings::EventExcludeMatcher::Location, QCheckBox*>> m_locations;
};

class ExclusionsEditor final : public QWidget {
    Q_OBJECT
public:
    ExclusionsEditor(const settings::Defaults& defaults, const QString& label,
                     QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    // Adds a rule and returns its editor, shown (the caller may also just close it).
    EditMatcherScreen* addMatcher();

private:
    void reload();
    void onItemChanged();
    void deleteSelected();

    const settings::Defaults& m_defaults;
    QListWidget* m_list;
    kit::Subscription m_subscription;
};

} // namespace ruvo::views
