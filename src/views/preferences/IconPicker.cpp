// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/IconPicker.h"

#include "kit/LocalTime.h"
#include "menubar/MenuBarIcons.h"
#include "views/MenuBarIconPainter.h"

#include <QLocale>

namespace ruvo::views {

namespace {

QIcon drawnIcon(settings::MenuBarIconType type, const QDate& today, const QColor& colour) {
    if (type == settings::MenuBarIconType::none)
        return {};
    platform::StatusItemIcon icon;
    icon.name = settings::caseName(type);
    icon.dayOfMonth = today.day();
    icon.weekday = QLocale().dayName(today.dayOfWeek(), QLocale::ShortFormat);
    icon.count = 2;
    const QImage image = MenuBarIconPainter::icon(icon, colour, 2.0);
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

IconPicker::IconPicker(KeyBinding& binding, const SettingsServices& services, const QString& label,
                       QWidget* parent)
    : QComboBox(parent) {
    setAccessibleName(label);
    setIconSize(QSize(22, 22));
    const QDate today = kit::localDate(services.clock.now(), services.environment().timeZoneId);
    const QColor ink = palette().color(QPalette::Text);
    for (const auto& info : menubar::menuBarIcons())
        addItem(drawnIcon(info.type, today, ink), menubar::pickerLabel(info.type),
                settings::caseName(info.type));
    binding.onChange([this](const QJsonValue& v) {
        const QSignalBlocker quiet(this);
        const int index = findData(v.toString());
        setCurrentIndex(index < 0 ? 0 : index);
    });
    connect(this, &QComboBox::activated, this,
            [this, &binding](int index) { binding.setValue(itemData(index).toString()); });
}

} // namespace ruvo::views
