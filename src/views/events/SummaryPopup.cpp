// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/SummaryPopup.h"

#include "views/events/EventListItemModel.h"

#include <QLabel>
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
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    for (const auto& item : items) {
        const events::EventRow row = texts.row(item, now, {});
        QStringList parts{row.timeText,
                          (events::stateWord(row.state) + u' ' + row.relative).trimmed()};
        parts.removeAll(QString());
        auto* label = new QLabel(
            titleOf(item) + QStringLiteral("\n") + parts.join(QStringLiteral(" · ")), this);
        label->setTextFormat(Qt::PlainText);
        layout->addWidget(label);
    }
}

} // namespace ruvo::views
