// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/StatusMenu.h"

#include <QMenu>

namespace ruvo::platform {

void fillStatusMenu(QMenu& menu, const std::vector<StatusMenuEntry>& entries,
                    const std::function<void(const QString& id)>& chosen) {
    menu.clear();
    for (const StatusMenuEntry& entry : entries) {
        if (entry.id.isEmpty()) {
            menu.addSeparator();
            continue;
        }
        // Plain text: "&" would mark the access key.
        QAction* action =
            menu.addAction(QString(entry.label).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setEnabled(entry.isEnabled);
        if (entry.isChecked) {
            action->setCheckable(true);
            action->setChecked(*entry.isChecked);
        }
        QObject::connect(action, &QAction::triggered, &menu, [chosen, id = entry.id] {
            if (chosen)
                chosen(id);
        });
    }
}

} // namespace ruvo::platform
