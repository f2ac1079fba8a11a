// SPDX-License-Identifier: GPL-3.0-or-later
// The label the windows show calendar and user text in.
#pragma once

#include <QLabel>

namespace ruvo::views {

// A wrapping label that shows its text as it stands, never as markup: the text may come from a
// stranger's calendar.
QLabel* plainLabel(const QString& text, QWidget* parent);

} // namespace ruvo::views
