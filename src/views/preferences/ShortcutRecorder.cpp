// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/ShortcutRecorder.h"

#include "preferences/ShortcutKeys.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

ShortcutRecorder::ShortcutRecorder(KeyBinding& binding, const SettingsServices& services,
                                   const QString& label, QWidget* parent)
    : QWidget(parent), m_binding(binding), m_services(services), m_button(new QPushButton(this)),
      m_clear(new QPushButton(tr("Remove"), this)), m_refusal(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* line = new QHBoxLayout;
    m_button->setAccessibleName(label);
    m_button->setMinimumWidth(160);
    m_clear->setAccessibleName(tr("Remove the shortcut"));
    line->addWidget(m_button);
    line->addWidget(m_clear);
    line->addStretch();
    layout->addLayout(line);
    m_refusal->setWordWrap(true);
    m_refusal->hide();
    layout->addWidget(m_refusal);
    m_button->installEventFilter(this);
    connect(m_button, &QPushButton::clicked, this, [this] { setRecording(!m_isRecording); });
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_binding.setValue(false); // removed: a default does not come back
        setRecording(false);
    });
    m_binding.onChange([this](const QJsonValue&) { showStored(); });
}

QString ShortcutRecorder::refusal() const {
    return m_refusal->isHidden() ? QString() : m_refusal->text();
}

void ShortcutRecorder::setRecording(bool on) {
    m_isRecording = on;
    if (on) {
        m_refusal->hide();
        m_button->setText(tr("Press the shortcut…"));
        m_button->setFocus();
    } else {
        showStored();
    }
}

void ShortcutRecorder::showStored() {
    if (m_isRecording)
        return;
    const QJsonValue v = m_binding.value();
    QString text;
    if (v.isObject())
        text = preferences::shortcutText({v[QLatin1String("carbonKeyCode")].toInt(),
                                          v[QLatin1String("carbonModifiers")].toInt()});
    m_button->setText(text.isEmpty() ? tr("Record Shortcut") : text);
    m_clear->setEnabled(v.isObject());
}

void ShortcutRecorder::record(QKeyCombination keys) {
    if (keys.key() == Qt::Key_Escape && keys.keyboardModifiers() == Qt::NoModifier) {
        setRecording(false);
        return;
    }
    if ((keys.key() == Qt::Key_Backspace || keys.key() == Qt::Key_Delete) &&
        keys.keyboardModifiers() == Qt::NoModifier) {
        m_binding.setValue(false);
        setRecording(false);
        return;
    }
    if (auto reason = preferences::refusalOf(keys, m_services.shortcutConflicts)) {
        setRecording(false);
        m_refusal->setText(*reason);
        m_refusal->show();
        return;
    }
    const auto stored = preferences::storedShortcut(keys);
    m_isRecording = false;
    m_binding.setValue(QJsonObject{{QStringLiteral("carbonKeyCode"), stored->carbonKeyCode},
                                   {QStringLiteral("carbonModifiers"), stored->carbonModifiers}});
    showStored();
}

bool ShortcutRecorder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_button && m_isRecording && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto k = static_cast<Qt::Key>(key->key());
        const bool isModifierOnly = k == Qt::Key_Control || k == Qt::Key_Shift ||
                                    k == Qt::Key_Alt || k == Qt::Key_Meta || k == Qt::Key_Super_L ||
                                    k == Qt::Key_Super_R;
        if (!isModifierOnly)
            record(key->keyCombination());
        return true;
    }
    if (watched == m_button && m_isRecording && event->type() == QEvent::FocusOut)
        setRecording(false);
    return QWidget::eventFilter(watched, event);
}

} // namespace ruvo::views
