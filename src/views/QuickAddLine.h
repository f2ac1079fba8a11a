// SPDX-License-Identifier: GPL-3.0-or-later
// The menu window's line for adding an event in plain words. While the user types, the text
// under it says what the sentence was understood as, or why it cannot be read; Enter saves
// and says what was added, Escape clears (and, when already empty, leaves the key to the
// window).
#pragma once

#include "kit/Result.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;

namespace ruvo::views {

class QuickAddLine final : public QWidget {
    Q_OBJECT
public:
    struct Dependencies {
        // What the sentence says ("Lunch — Fri, Dec 11, 1:00 PM – 2:00 PM"), or why it
        // cannot be read.
        std::function<kit::Result<QString>(const QString& sentence)> understand;
        // Saves the sentence's event; answers what was added, or why it was not.
        std::function<kit::Result<QString>(const QString& sentence)> save;
    };

    explicit QuickAddLine(Dependencies dependencies, QWidget* parent = nullptr);

    QLineEdit* lineEdit() const { return m_line; }
    QString feedbackText() const;
    bool isShowingError() const { return m_isError; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTextEdited(const QString& text);
    void onReturnPressed();
    void showFeedback(const QString& text, bool isError);

    Dependencies m_deps;
    QLineEdit* m_line;
    QLabel* m_feedback;
    bool m_isError = false;
};

} // namespace ruvo::views
