// SPDX-License-Identifier: GPL-3.0-or-later
// The panel icon picker: every icon drawn as the panel would show it today, with its name.
#pragma once

#include "views/preferences/KeyBinding.h"
#include "views/preferences/SettingsServices.h"

#include <QComboBox>

namespace ruvo::views {

class IconPicker final : public QComboBox {
    Q_OBJECT
public:
    IconPicker(KeyBinding& binding, const SettingsServices& services, const QString& label,
               QWidget* parent = nullptr);
};

} // namespace ruvo::views
