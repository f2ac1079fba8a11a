// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/QuickAddLine.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ruvo::views {

QuickAddLine::QuickAddLine(Dependencies dependencies, QWidget* parent)
    : QWidget(parent), m_deps(std::move(dependencies)), m_line(new QLineEdit(this)),
      m_feedback(new QLabel(this)) {
    m_line->setObjectName(QStringLiteral("quickAddLine"));
    m_line->setPlaceholderText(tr("Add an event: “Lunch with Ana Friday 1pm”"));
    m_line->setClearButtonEnabled(true);
    m_line->installEventFilter(this);
    // Calendar text is shown as it stands, never as markup.
    m_feedback->setTextFormat(Qt::PlainText);
    m_feedback->setWordWrap(true);
    m_feedback->setObjectName(QStringLiteral("quickAddFeedback"));
    QFont small = m_feedback->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_feedback->setFont(small);
    m_feedback->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(m_line);
    layout->addWidget(m_feedback);
    connect(m_line, &QLineEdit::textEdited, this, &QuickAddLine::onTextEdited);
    connect(m_line, &QLineEdit::returnPressed, this, &QuickAddLine::onReturnPressed);
}

QString QuickAddLine::feedbackText() const {
    return m_feedback->isHidden() ? QString() : m_feedback->text();
}

bool QuickAddLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_line || event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return QWidget::eventFilter(watched, event);
    if (m_line->text().isEmpty() && m_feedback->isHidden())
        return false;
    m_line->clear();
    showFeedback({}, false);
    return true;
}

void QuickAddLine::onTextEdited(const QString& text) {
    if (text.trimmed().isEmpty()) {
        showFeedback({}, false);
        return;
    }
    const auto understood = m_deps.understand(text);
    showFeedback(understood ? *understood : understood.error(), !understood);
}

void QuickAddLine::onReturnPressed() {
    const QString text = m_line->text();
    if (text.trimmed().isEmpty())
        return;
    const auto saved = m_deps.save(text);
    if (!saved) {
        showFeedback(saved.error(), true);
        return;
    }
    m_line->clear();
    showFeedback(tr("Added: %1").arg(*saved), false);
}

void QuickAddLine::showFeedback(const QString& text, bool isError) {
    m_isError = isError;
    m_feedback->setText(text);
    m_feedback->setVisible(!text.isEmpty());
    QPalette palette = this->palette();
    if (isError)
        palette.setColor(QPalette::WindowText, QColor(0xc0, 0x39, 0x2b));
    m_feedback->setPalette(palette);
    adjustSize();
}

} // namespace ruvo::views
