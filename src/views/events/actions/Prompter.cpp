// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/actions/Prompter.h"

#include <QMessageBox>
#include <QPushButton>

namespace ruvo::views {

Prompter::DeleteChoice DialogPrompter::askDeleteRepeating(const QString& title) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Delete Repeating Event"),
                    QStringLiteral("“%1” repeats. Delete only this occurrence, or every "
                                   "occurrence of the event?")
                        .arg(title),
                    QMessageBox::NoButton, m_parent);
    QPushButton* one =
        box.addButton(QStringLiteral("Delete This Occurrence"), QMessageBox::AcceptRole);
    QPushButton* all =
        box.addButton(QStringLiteral("Delete All Occurrences"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(one);
    box.exec();
    if (box.clickedButton() == one)
        return DeleteChoice::thisOccurrence;
    if (box.clickedButton() == all)
        return DeleteChoice::wholeSeries;
    return DeleteChoice::cancel;
}

bool DialogPrompter::confirmDelete(const QString& title) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Delete"),
                    QStringLiteral("Delete “%1”?").arg(title), QMessageBox::NoButton, m_parent);
    QPushButton* remove = box.addButton(QStringLiteral("Delete"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == remove;
}

bool DialogPrompter::confirmHideRepeating(const QString& warning) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Hide Event"), warning,
                    QMessageBox::NoButton, m_parent);
    QPushButton* hide = box.addButton(QStringLiteral("Hide"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == hide;
}

void DialogPrompter::showTip(const QString& text) {
    QMessageBox::information(m_parent, QStringLiteral("Hidden Events"), text.trimmed());
}

void DialogPrompter::showError(const QString& text) {
    QMessageBox::warning(m_parent, QStringLiteral("Ruvo"), text);
}

} // namespace ruvo::views
