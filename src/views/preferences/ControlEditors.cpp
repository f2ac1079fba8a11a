// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/ControlEditors.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>

namespace ruvo::views {

using preferences::Control;
using preferences::ControlKind;

namespace {

QWidget* row(QWidget* parent, QHBoxLayout*& layout) {
    auto* box = new QWidget(parent);
    layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    return box;
}

// A button that opens a picker for the value, and a "Default" button that clears it.
QWidget* pickerRow(const Control& c, KeyBinding& b, const QString& resetName, QWidget* parent,
                   QPushButton*& pick, QPushButton*& reset) {
    QHBoxLayout* layout = nullptr;
    QWidget* box = row(parent, layout);
    pick = new QPushButton(box);
    reset = new QPushButton(QCoreApplication::translate("ControlEditors", "Default"), box);
    pick->setAccessibleName(preferences::translated(c.label));
    reset->setAccessibleName(resetName);
    layout->addWidget(pick);
    layout->addWidget(reset);
    layout->addStretch();
    QObject::connect(reset, &QPushButton::clicked, reset,
                     [&b] { b.setValue(QJsonValue(QJsonValue::Null)); });
    return box;
}

QWidget* toggleEditor(const Control& c, KeyBinding& b, QWidget* parent) {
    auto* box = new QCheckBox(preferences::translated(c.label), parent);
    b.onChange([box](const QJsonValue& v) {
        const QSignalBlocker quiet(box);
        box->setChecked(v.toBool());
    });
    QObject::connect(box, &QCheckBox::toggled, box, [&b](bool on) { b.setValue(on); });
    return box;
}

QWidget* choiceEditor(const Control& c, KeyBinding& b, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (const auto& option : c.choices)
        combo->addItem(preferences::translated(option.label), option.value.toVariant());
    b.onChange([combo, &c](const QJsonValue& v) {
        const QSignalBlocker quiet(combo);
        for (std::size_t i = 0; i < c.choices.size(); ++i)
            if (c.choices[i].value == v)
                combo->setCurrentIndex(int(i));
    });
    QObject::connect(combo, &QComboBox::activated, combo,
                     [&b, &c](int index) { b.setValue(c.choices.at(std::size_t(index)).value); });
    return combo;
}

QWidget* numberEditor(const Control& c, KeyBinding& b, QWidget* parent) {
    auto* spin = new QDoubleSpinBox(parent);
    const auto range = b.entry().range;
    const double lowest = c.highest > c.lowest ? c.lowest : range ? range->lowest : 0;
    const double highest = c.highest > c.lowest ? c.highest : range ? range->highest : 100;
    spin->setDecimals(c.step < 1 ? 2 : 0);
    spin->setSingleStep(c.step);
    // An optional number shows "Default" one step below its range and stores none there.
    const bool isOptional = b.isOptional();
    spin->setRange(isOptional ? lowest - c.step : lowest, highest);
    if (isOptional)
        spin->setSpecialValueText(QCoreApplication::translate("ControlEditors", "Default"));
    b.onChange([spin](const QJsonValue& v) {
        const QSignalBlocker quiet(spin);
        spin->setValue(v.isDouble() ? v.toDouble() : spin->minimum());
    });
    QObject::connect(spin, &QDoubleSpinBox::valueChanged, spin, [&b, spin, isOptional](double v) {
        b.setValue(isOptional && v <= spin->minimum() ? QJsonValue(QJsonValue::Null)
                                                      : QJsonValue(v));
    });
    return spin;
}

QWidget* textEditor(KeyBinding& b, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    b.onChange([edit](const QJsonValue& v) {
        if (!edit->hasFocus())
            edit->setText(v.toString());
    });
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [&b, edit] {
        const QString text = edit->text().trimmed();
        b.setValue(text.isEmpty() && b.isOptional() ? QJsonValue(QJsonValue::Null)
                                                    : QJsonValue(text));
    });
    return edit;
}

QWidget* colourEditor(const Control& c, KeyBinding& b, QWidget* parent) {
    QPushButton* pick = nullptr;
    QPushButton* reset = nullptr;
    QWidget* box = pickerRow(c, b, QCoreApplication::translate("ControlEditors", "Default colour"),
                             parent, pick, reset);
    b.onChange([pick, reset](const QJsonValue& v) {
        const QColor colour(v.toString().left(7));
        pick->setText(v.isNull() ? QCoreApplication::translate("ControlEditors", "System colour")
                                 : v.toString().left(7));
        pick->setIcon(QIcon());
        if (colour.isValid()) {
            QPixmap swatch(16, 16);
            swatch.fill(colour);
            pick->setIcon(swatch);
        }
        reset->setEnabled(!v.isNull());
    });
    QObject::connect(pick, &QPushButton::clicked, pick, [&b, pick] {
        const QColor current(b.value().toString().left(7));
        const QColor chosen = QColorDialog::getColor(current.isValid() ? current : Qt::white, pick,
                                                     QString(), QColorDialog::ShowAlphaChannel);
        if (chosen.isValid())
            b.setValue(storedColourText(chosen));
    });
    return box;
}

QWidget* daysEditor(KeyBinding& b, QWidget* parent) {
    QHBoxLayout* layout = nullptr;
    QWidget* box = row(parent, layout);
    std::vector<QCheckBox*> days;
    for (int day = 1; day <= 7; ++day) {
        auto* check = new QCheckBox(QLocale().standaloneDayName(day, QLocale::ShortFormat), box);
        check->setAccessibleName(QLocale().standaloneDayName(day, QLocale::LongFormat));
        layout->addWidget(check);
        days.push_back(check);
    }
    layout->addStretch();
    b.onChange([days](const QJsonValue& v) {
        const QJsonArray chosen = v.toArray();
        for (int day = 1; day <= 7; ++day) {
            const QSignalBlocker quiet(days[std::size_t(day - 1)]);
            days[std::size_t(day - 1)]->setChecked(chosen.contains(day));
        }
    });
    for (QCheckBox* check : days)
        QObject::connect(check, &QCheckBox::toggled, box, [&b, days] {
            QJsonArray chosen;
            for (int day = 1; day <= 7; ++day)
                if (days[std::size_t(day - 1)]->isChecked())
                    chosen.append(day);
            b.setValue(chosen);
        });
    return box;
}

QJsonObject timeJson(QTime t) {
    return {{QStringLiteral("hour"), t.hour()}, {QStringLiteral("minute"), t.minute()}};
}
QTime timeFrom(const QJsonValue& v) {
    return QTime(v[QLatin1String("hour")].toInt(), v[QLatin1String("minute")].toInt());
}

QWidget* timeRangeEditor(KeyBinding& b, QWidget* parent) {
    QHBoxLayout* layout = nullptr;
    QWidget* box = row(parent, layout);
    auto* start = new QTimeEdit(box);
    auto* end = new QTimeEdit(box);
    start->setAccessibleName(QCoreApplication::translate("ControlEditors", "From"));
    end->setAccessibleName(QCoreApplication::translate("ControlEditors", "To"));
    layout->addWidget(start);
    layout->addWidget(new QLabel(QCoreApplication::translate("ControlEditors", "to"), box));
    layout->addWidget(end);
    layout->addStretch();
    b.onChange([start, end](const QJsonValue& v) {
        const QSignalBlocker quietStart(start);
        const QSignalBlocker quietEnd(end);
        start->setTime(timeFrom(v[QLatin1String("start")]));
        end->setTime(timeFrom(v[QLatin1String("end")]));
    });
    const auto store = [&b, start, end] {
        b.setValue(QJsonObject{{QStringLiteral("start"), timeJson(start->time())},
                               {QStringLiteral("end"), timeJson(end->time())}});
    };
    QObject::connect(start, &QTimeEdit::timeChanged, box, store);
    QObject::connect(end, &QTimeEdit::timeChanged, box, store);
    return box;
}

QWidget* fontEditor(const Control& c, KeyBinding& b, QWidget* parent) {
    QPushButton* pick = nullptr;
    QPushButton* reset = nullptr;
    QWidget* box = pickerRow(c, b, QCoreApplication::translate("ControlEditors", "Default font"),
                             parent, pick, reset);
    b.onChange([pick, reset](const QJsonValue& v) {
        pick->setText(v.isNull() ? QCoreApplication::translate("ControlEditors", "System font")
                                 : QStringLiteral("%1 %2").arg(
                                       v[QLatin1String("family")].toString(),
                                       QString::number(v[QLatin1String("pointSize")].toDouble())));
        reset->setEnabled(!v.isNull());
    });
    QObject::connect(pick, &QPushButton::clicked, pick, [&b, pick] {
        bool isChosen = false;
        const QFont font = QFontDialog::getFont(&isChosen, pick->font(), pick);
        if (isChosen)
            b.setValue(QJsonObject{{QStringLiteral("family"), font.family()},
                                   {QStringLiteral("pointSize"), font.pointSizeF()},
                                   {QStringLiteral("weight"), font.weight()},
                                   {QStringLiteral("italic"), font.italic()}});
    });
    return box;
}

QWidget* listEditor(const Control& c, KeyBinding& b, QWidget* parent) {
    QHBoxLayout* layout = nullptr;
    QWidget* box = row(parent, layout);
    auto* list = new QListWidget(box);
    list->setAccessibleName(preferences::translated(c.label));
    list->setMaximumHeight(110);
    auto* remove = new QPushButton(QCoreApplication::translate("ControlEditors", "Remove"), box);
    layout->addWidget(list, 1);
    layout->addWidget(remove, 0, Qt::AlignTop);
    b.onChange([list, remove](const QJsonValue& v) {
        list->clear();
        for (const QJsonValue& item : v.toArray())
            list->addItem(item.toString());
        remove->setEnabled(list->count() > 0);
    });
    QObject::connect(remove, &QPushButton::clicked, remove, [&b, list] {
        const int row = list->currentRow() < 0 ? 0 : list->currentRow();
        QJsonArray items = b.value().toArray();
        if (row < items.size())
            items.removeAt(row);
        b.setValue(items);
    });
    return box;
}

// The volume key that goes with a sound key.
QString volumeKeyOf(const QString& soundKey) {
    return soundKey == QLatin1String("hourlyChimeSound") ? QStringLiteral("hourlyChime_soundVolume")
                                                         : soundKey + QStringLiteral("Volume");
}

QWidget* soundEditor(const Control& c, KeyBinding& b, const SettingsServices& s, QWidget* parent) {
    QHBoxLayout* layout = nullptr;
    QWidget* box = row(parent, layout);
    auto* combo = new QComboBox(box);
    combo->setAccessibleName(preferences::translated(c.label));
    combo->addItem(QCoreApplication::translate("ControlEditors", "None"), QVariant());
    if (s.sounds)
        for (const auto& [stored, shown] : s.sounds())
            combo->addItem(shown, stored);
    auto* play = new QPushButton(QCoreApplication::translate("ControlEditors", "Play"), box);
    play->setAccessibleName(QCoreApplication::translate("ControlEditors", "Play the sound"));
    play->setEnabled(bool(s.playSound));
    layout->addWidget(combo);
    layout->addWidget(play);
    layout->addStretch();
    b.onChange([combo](const QJsonValue& v) {
        const QSignalBlocker quiet(combo);
        const int index = v.isNull() ? 0 : combo->findData(v.toString());
        combo->setCurrentIndex(index < 0 ? 0 : index);
    });
    QObject::connect(combo, &QComboBox::activated, combo, [&b, combo](int index) {
        const QVariant data = combo->itemData(index);
        b.setValue(data.isValid() ? QJsonValue(data.toString()) : QJsonValue(QJsonValue::Null));
    });
    const QString volumeKey = volumeKeyOf(c.key);
    QObject::connect(play, &QPushButton::clicked, play, [&b, &s, volumeKey] {
        const QJsonValue sound = b.value();
        const auto volumeEntry = settings::findCatalogueEntry(volumeKey);
        const double volume = volumeEntry ? volumeEntry->readJson(s.defaults).toDouble(0.5) : 0.5;
        s.playSound(sound.isString() ? std::optional(sound.toString()) : std::nullopt, volume);
    });
    return box;
}

} // namespace

QString storedColourText(const QColor& colour) {
    return QStringLiteral("#%1%2%3%4")
        .arg(colour.red(), 2, 16, QLatin1Char('0'))
        .arg(colour.green(), 2, 16, QLatin1Char('0'))
        .arg(colour.blue(), 2, 16, QLatin1Char('0'))
        .arg(colour.alpha(), 2, 16, QLatin1Char('0'));
}

QWidget* makeBasicEditor(const Control& control, KeyBinding& binding,
                         const SettingsServices& services, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::toggle:
        return toggleEditor(control, binding, parent);
    case ControlKind::choice:
        return choiceEditor(control, binding, parent);
    case ControlKind::number:
        return numberEditor(control, binding, parent);
    case ControlKind::text:
        return textEditor(binding, parent);
    case ControlKind::colour:
        return colourEditor(control, binding, parent);
    case ControlKind::days:
        return daysEditor(binding, parent);
    case ControlKind::timeRange:
        return timeRangeEditor(binding, parent);
    case ControlKind::font:
        return fontEditor(control, binding, parent);
    case ControlKind::list:
        return listEditor(control, binding, parent);
    case ControlKind::sound:
        return soundEditor(control, binding, services, parent);
    default:
        return nullptr;
    }
}

} // namespace ruvo::views
