// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/SummaryPopup.h"

#include "views/events/EventListItemModel.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace ruvo::views {

SummaryPopup::SummaryPopup(const QString& title, const std::vector<events::CalendarItem>& items,
                           const events::EventRowTexts& texts, kit::Instant now, QWidget* parent)
    : QFrame(parent, Qt::Popup) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    auto* heading = new QLabel(title, this);
    heading->setTextFormat(Qt::PlainText);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    for (const auto& item : items) {
        const events::EventRow row = texts.row(item, now, {});
        QStringList parts{row.timeText, events::timingText(row.state, row.relative)};
        parts.removeAll(QString());
        auto* button = new QToolButton(this);
        button->setText(titleOf(item) + QStringLiteral("\n") + parts.join(QStringLiteral(" · ")));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        button->setStyleSheet(QStringLiteral("text-align: left"));
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QToolButton::clicked, this, [this, item] {
            close();
            Q_EMIT itemActivated(item);
        });
        connect(button, &QToolButton::customContextMenuRequested, this,
                [this, button, item](const QPoint& at) {
                    const QPoint global = button->mapToGlobal(at);
                    close();
                    Q_EMIT contextMenuRequested(item, global);
                });
        layout->addWidget(button);
    }
}

} // namespace ruvo::views
