// SPDX-License-Identifier: GPL-3.0-or-later
// The date calculators' window: the interval between two days, and a day moved by years,
// months, weeks and days. Results follow the controls at once, in the user's language.
#pragma once

#include "kit/Environment.h"

#include <QWidget>
#include <functional>

class QDateEdit;
class QComboBox;
class QLabel;
class QSpinBox;

namespace ruvo::views {

class CalculatorsWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorsWindow(std::function<kit::Environment()> environment,
                               QWidget* parent = nullptr);

    // The controls, for tests and the accessibility tree.
    QDateEdit* firstDate() const { return m_first; }
    QDateEdit* secondDate() const { return m_second; }
    QLabel* intervalResult() const { return m_interval; }
    QDateEdit* startDate() const { return m_start; }
    QComboBox* direction() const { return m_direction; }
    QSpinBox* amount(int index) const { return m_amounts[index]; } // years, months, weeks, days
    QLabel* addResult() const { return m_added; }

private:
    QWidget* makeBetweenPage();
    QWidget* makeAddPage();
    QDateEdit* makeDateEdit(const QString& accessibleName);
    void updateInterval();
    void updateAdded();

    std::function<kit::Environment()> m_environment;
    QDateEdit* m_first = nullptr;
    QDateEdit* m_second = nullptr;
    QLabel* m_interval = nullptr;
    QDateEdit* m_start = nullptr;
    QComboBox* m_direction = nullptr;
    QSpinBox* m_amounts[4] = {};
    QLabel* m_added = nullptr;
};

} // namespace ruvo::views
