// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/preferences/PatternField.h"

#include "menubar/ClockText.h"
#include "preferences/PatternHelp.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace ruvo::views {

PatternField::PatternField(KeyBinding& binding, const SettingsServices& services,
                           const QString& label, QWidget* parent)
    : QWidget(parent), m_services(services), m_edit(new QLineEdit(this)),
      m_preview(new QLabel(this)), m_warnings(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* line = new QHBoxLayout;
    auto* help = new QToolButton(this);
    help->setText(QStringLiteral("?"));
    help->setAccessibleName(tr("Pattern help"));
    help->setToolTip(preferences::patternHelpText());
    connect(help, &QToolButton::clicked, this, [help] {
        QToolTip::showText(help->mapToGlobal(QPoint(0, help->height())), help->toolTip(), help);
    });
    m_edit->setAccessibleName(label);
    m_edit->setPlaceholderText(tr("E d MMM  HH:mm"));
    m_edit->setClearButtonEnabled(true);
    line->addWidget(m_edit, 1);
    line->addWidget(help);
    layout->addLayout(line);
    m_preview->setAccessibleName(tr("Preview"));
    m_preview->setWordWrap(true);
    m_warnings->setWordWrap(true);
    m_warnings->setForegroundRole(QPalette::BrightText);
    layout->addWidget(m_preview);
    layout->addWidget(m_warnings);
    binding.onChange([this](const QJsonValue& v) {
        if (!m_edit->hasFocus())
            m_edit->setText(v.toString());
        updateHints(m_edit->text());
    });
    connect(m_edit, &QLineEdit::textChanged, this, [this, &binding](const QString& text) {
        updateHints(text);
        binding.setValue(text); // applies at once: the panel follows while the user types
    });
}

void PatternField::updateHints(const QString& pattern) {
    const QStringList warnings = preferences::patternWarnings(pattern);
    m_warnings->setText(warnings.join(QLatin1Char('\n')));
    m_warnings->setVisible(!warnings.isEmpty());
    if (pattern.trimmed().isEmpty()) {
        m_preview->setText(tr("Empty: the clock shows what the switches choose."));
        return;
    }
    const QString shown =
        menubar::formatWithPattern(pattern, m_services.clock.now(), m_services.environment());
    m_preview->setText(shown.isEmpty() ? tr("This pattern cannot be read.")
                                       : tr("Preview: %1").arg(shown));
}

QString PatternField::previewText() const {
    return m_preview->text();
}

QString PatternField::warningText() const {
    return m_warnings->text();
}

} // namespace ruvo::views
