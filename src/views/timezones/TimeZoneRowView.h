// SPDX-License-Identifier: GPL-3.0-or-later
// One row of the world clock: [sun or moon] name and time, offset and day. A click opens the
// entry's details; the context menu copies the time as ISO 8601 or opens the edit window.
#pragma once

#include "timezones/WorldClockRows.h"

#include <QWidget>

class QLabel;

namespace ruvo::views {

struct WorldClockContext;

class TimeZoneRowView final : public QWidget {
    Q_OBJECT
public:
    TimeZoneRowView(WorldClockContext& context, QWidget* parent = nullptr);

    void display(const timezones::WorldClockRow& row, bool isMarked, double textScale);
    QUuid entryId() const { return m_row.id; }
    bool isMarked() const { return m_isMarked; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void openDetails();
    void copyIsoTime();

    WorldClockContext& m_context;
    timezones::WorldClockRow m_row;
    bool m_isMarked = false;
    bool m_isHovered = false;
    QLabel* m_symbol;
    QLabel* m_name;
    QLabel* m_time;
    QLabel* m_offset;
    QLabel* m_day;
};

} // namespace ruvo::views
