// SPDX-License-Identifier: GPL-3.0-or-later
// The date-time pattern field: the pattern, a live preview of the clock with it, the help
// and the warnings about look-alike letters. An empty field goes back to the switches.
#pragma once

#include "views/preferences/KeyBinding.h"
#include "views/preferences/SettingsServices.h"

#include <QWidget>

class QLabel;
class QLineEdit;

namespace ruvo::views {

class PatternField final : public QWidget {
    Q_OBJECT
public:
    PatternField(KeyBinding& binding, const SettingsServices& services, const QString& label,
                 QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QString previewText() const;
    QString warningText() const;

private:
    void updateHints(const QString& pattern);

    const SettingsServices& m_services;
    QLineEdit* m_edit;
    QLabel* m_preview;
    QLabel* m_warnings;
};

} // namespace ruvo::views
