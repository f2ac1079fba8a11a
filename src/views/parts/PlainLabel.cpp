// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/parts/PlainLabel.h"

namespace ruvo::views {

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace ruvo::views
