// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/CalculatorsWindow.h"

#include "calculators/CalculatorText.h"
#include "calculators/DateCalculator.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace ruvo::views {

namespace calc = calculators;

namespace {

QLabel* makeResultLabel(const QString& accessibleName) {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setAccessibleName(accessibleName);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

CalculatorsWindow::CalculatorsWindow(std::function<kit::Environment()> environment, QWidget* parent)
    : QWidget(parent, Qt::Window), m_environment(std::move(environment)) {
    setWindowTitle(tr("Date Calculators"));
    auto* tabs = new QTabWidget;
    tabs->addTab(makeBetweenPage(), tr("Between Dates"));
    tabs->addTab(makeAddPage(), tr("Add to Date"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    updateInterval();
    updateAdded();
}

QDateEdit* CalculatorsWindow::makeDateEdit(const QString& accessibleName) {
    auto* edit = new QDateEdit(QDate::currentDate());
    edit->setCalendarPopup(true);
    edit->setDateRange(QDate(calc::kFirstYear, 1, 1), QDate(calc::kLastYear, 12, 31));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QWidget* CalculatorsWindow::makeBetweenPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_first = makeDateEdit(tr("First date"));
    m_second = makeDateEdit(tr("Second date"));
    m_interval = makeResultLabel(tr("Interval"));
    form->addRow(tr("&From:"), m_first);
    form->addRow(tr("&To:"), m_second);
    form->addRow(tr("Interval:"), m_interval);
    for (QDateEdit* edit : {m_first, m_second})
        connect(edit, &QDateEdit::dateChanged, this, &CalculatorsWindow::updateInterval);
    return page;
}

QWidget* CalculatorsWindow::makeAddPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_start = makeDateEdit(tr("Start date"));
    m_direction = new QComboBox;
    m_direction->addItems({tr("Add"), tr("Subtract")});
    m_direction->setAccessibleName(tr("Add or subtract"));
    form->addRow(tr("&Date:"), m_start);
    form->addRow(tr("&Operation:"), m_direction);
    const QString names[] = {tr("&Years:"), tr("&Months:"), tr("&Weeks:"), tr("D&ays:")};
    const int limits[] = {9998, 119988, 521775, 3652424}; // about the years 1 to 9999
    for (int i = 0; i < 4; ++i) {
        m_amounts[i] = new QSpinBox;
        m_amounts[i]->setRange(0, limits[i]);
        m_amounts[i]->setAccessibleName(QString(names[i]).remove(u'&').remove(u':'));
        form->addRow(names[i], m_amounts[i]);
        connect(m_amounts[i], &QSpinBox::valueChanged, this, &CalculatorsWindow::updateAdded);
    }
    m_added = makeResultLabel(tr("Result"));
    form->addRow(tr("Result:"), m_added);
    connect(m_start, &QDateEdit::dateChanged, this, &CalculatorsWindow::updateAdded);
    connect(m_direction, &QComboBox::currentIndexChanged, this, &CalculatorsWindow::updateAdded);
    return page;
}

void CalculatorsWindow::updateInterval() {
    const calc::DateInterval interval = calc::between(m_first->date(), m_second->date());
    m_interval->setText(calc::intervalLines(interval, m_environment().icuLocale()).join(u'\n'));
}

void CalculatorsWindow::updateAdded() {
    const qint64 sign = m_direction->currentIndex() == 1 ? -1 : 1;
    const calc::DateDuration duration{sign * m_amounts[0]->value(), sign * m_amounts[1]->value(),
                                      sign * m_amounts[2]->value(), sign * m_amounts[3]->value()};
    const auto result = calc::add(m_start->date(), duration);
    m_added->setText(result ? calc::fullDateText(*result, m_environment().icuLocale())
                            : result.error());
}

} // namespace ruvo::views
