// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/events/actions/Prompter.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ruvo::views {

namespace {

// Titles and messages that quote them are a stranger's text: never let Qt read them as markup
// (an <img> would make it load a file).
void showPlain(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

Prompter::DeleteChoice DialogPrompter::askDeleteRepeating(const QString& title) {
    QMessageBox box(QMessageBox::Question,
                    QCoreApplication::translate("Prompter", "Delete Repeating Event"),
                    QCoreApplication::translate(
                        "Prompter", "“%1” repeats. Delete only this occurrence, or every "
                                    "occurrence of the event?")
                        .arg(title),
                    QMessageBox::NoButton, m_parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* one = box.addButton(
        QCoreApplication::translate("Prompter", "Delete This Occurrence"), QMessageBox::AcceptRole);
    QPushButton* all =
        box.addButton(QCoreApplication::translate("Prompter", "Delete All Occurrences"),
                      QMessageBox::DestructiveRole);
    box.addButton(QCoreApplication::translate("Prompter", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(one);
    box.exec();
    if (box.clickedButton() == one)
        return DeleteChoice::thisOccurrence;
    if (box.clickedButton() == all)
        return DeleteChoice::wholeSeries;
    return DeleteChoice::cancel;
}

bool DialogPrompter::confirmDelete(const QString& title) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Prompter", "Delete"),
                    QCoreApplication::translate("Prompter", "Delete “%1”?").arg(title),
                    QMessageBox::NoButton, m_parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* remove = box.addButton(QCoreApplication::translate("Prompter", "Delete"),
                                        QMessageBox::DestructiveRole);
    box.addButton(QCoreApplication::translate("Prompter", "Cancel"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == remove;
}

bool DialogPrompter::confirmHideRepeating(const QString& warning) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Prompter", "Hide Event"),
                    warning, QMessageBox::NoButton, m_parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* hide =
        box.addButton(QCoreApplication::translate("Prompter", "Hide"), QMessageBox::AcceptRole);
    box.addButton(QCoreApplication::translate("Prompter", "Cancel"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == hide;
}

void DialogPrompter::showTip(const QString& text) {
    showPlain(m_parent, QMessageBox::Information,
              QCoreApplication::translate("Prompter", "Hidden Events"), text.trimmed());
}

void DialogPrompter::showError(const QString& text) {
    showPlain(m_parent, QMessageBox::Warning, QStringLiteral("Ruvo"), text);
}

} // namespace ruvo::views
