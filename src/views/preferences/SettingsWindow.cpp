// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/SettingsWindow.h"

#include "preferences/PaneDescription.h"
#include "views/preferences/ControlRow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QStackedWidget>

namespace ruvo::views {

using preferences::ControlKind;

SettingsWindow::SettingsWindow(SettingsServices services, QWidget* parent)
    : QWidget(parent), m_services(std::move(services)), m_list(new QListWidget(this)),
      m_stack(new QStackedWidget(this)) {
    setWindowTitle(tr("Ruvo Settings"));
    resize(760, 580);
    auto* layout = new QHBoxLayout(this);
    m_list->setAccessibleName(tr("Settings sections"));
    m_list->setFixedWidth(150);
    layout->addWidget(m_list);
    layout->addWidget(m_stack, 1);
    const auto& panes = preferences::panes();
    for (std::size_t i = 0; i < panes.size(); ++i) {
        m_list->addItem(preferences::translated(panes[i].title));
        m_stack->addWidget(buildPane(i));
    }
    connect(m_list, &QListWidget::currentRowChanged, m_stack, &QStackedWidget::setCurrentIndex);
    // A folder added on the calendar pane shows up in every calendar list.
    for (ControlRow* adder : m_rows)
        if (adder->control().action == preferences::actions::kAddCalendarFolder)
            for (ControlRow* other : m_rows)
                if (other != adder)
                    connect(adder, &ControlRow::calendarsChanged, other,
                            &ControlRow::calendarsChanged);
    for (ControlRow* row : m_rows)
        connect(row, &ControlRow::disabledReasonChanged, this, &SettingsWindow::showReasonsOnce);
    showReasonsOnce();
    m_list->setCurrentRow(0);
}

void SettingsWindow::showReasonsOnce() {
    const ControlRow* previous = nullptr;
    for (ControlRow* row : m_rows) {
        const bool isSameRun = previous && previous->parentWidget() == row->parentWidget() &&
                               previous->disabledReason() == row->disabledReason();
        row->setReasonShown(!isSameRun);
        previous = row;
    }
}

SettingsWindow::~SettingsWindow() = default;

QWidget* SettingsWindow::buildPane(std::size_t index) {
    const preferences::Pane& pane = preferences::panes()[index];
    auto* scroll = new QScrollArea(m_stack);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAccessibleName(preferences::translated(pane.title));
    auto* content = new QWidget(scroll);
    auto* form = new QFormLayout(content);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    // A long label and a wide field share a line only where the window is wide enough: the
    // pane never scrolls sideways.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
    for (const preferences::Control& control : pane.controls) {
        if (control.section) {
            auto* heading = new QLabel(preferences::translated(control.section), content);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            heading->setContentsMargins(0, 10, 0, 0);
            form->addRow(heading);
        }
        auto* row = new ControlRow(control, m_services, content);
        m_rows.push_back(row);
        const bool isWide =
            control.kind == ControlKind::timeZones || control.kind == ControlKind::exclusions;
        if (row->label().isEmpty() || isWide) {
            if (isWide)
                form->addRow(new QLabel(row->label(), content));
            form->addRow(row);
        } else {
            // "&" is the label's mnemonic marker: a text's own "&" is doubled.
            QString text = row->label();
            text.replace(QLatin1Char('&'), QStringLiteral("&&"));
            auto* label = new QLabel(text + QLatin1Char(':'), content);
            label->setBuddy(row->editor());
            form->addRow(label, row);
        }
    }
    scroll->setWidget(content);
    return scroll;
}

void SettingsWindow::showPane(const QString& paneId) {
    const int index = int(preferences::paneIds().indexOf(paneId));
    m_list->setCurrentRow(index < 0 ? 0 : index);
    show();
    raise();
    activateWindow();
}

QString SettingsWindow::currentPaneId() const {
    const QStringList ids = preferences::paneIds();
    const int row = m_list->currentRow();
    return row >= 0 && row < ids.size() ? ids[row] : QString();
}

ControlRow* SettingsWindow::row(const QString& controlId) const {
    for (ControlRow* r : m_rows)
        if (r->control().id() == controlId)
            return r;
    return nullptr;
}

} // namespace ruvo::views
