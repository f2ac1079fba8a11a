// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/QuickAddLine.h"

#include "TestSupport.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace ruvo::views {
namespace {

// Records the keys that reach the window around the line.
class Window : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys << event->key(); }
};

void press(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &event);
}

void type(QWidget* target, const QString& text) {
    for (QChar c : text)
        press(target, 0, QString(c));
}

TEST(QuickAddLineTest, ShowsWhatWasUnderstoodSavesOnEnterAndClearsOnEscape) {
    struct Row {
        const char* typed;
        int key; // 0: none
        const char* line;
        const char* feedback;
        bool isError;
        const char* saved;
        bool reachesWindow;
    };
    const Row rows[] = {
        {"Lunch", 0, "Lunch", "understood Lunch", false, "", false},
        {"Lunch?", 0, "Lunch?", "unreadable", true, "", false},
        {"Lunch", Qt::Key_Return, "", "Added: saved Lunch", false, "Lunch", false},
        // A failed save keeps the sentence for another try.
        {"Lunch!", Qt::Key_Return, "Lunch!", "read-only", true, "", false},
        {"Lunch", Qt::Key_Escape, "", "", false, "", false},
        {"", Qt::Key_Escape, "", "", false, "", true},
        {"  ", Qt::Key_Return, "  ", "", false, "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        QStringList saved;
        Window window;
        auto* line = new QuickAddLine({[](const QString& s) -> kit::Result<QString> {
                                           if (s.contains(QLatin1Char('?')))
                                               return kit::fail(QStringLiteral("unreadable"));
                                           return QStringLiteral("understood ") + s;
                                       },
                                       [&saved](const QString& s) -> kit::Result<QString> {
                                           if (s.contains(QLatin1Char('!')))
                                               return kit::fail(QStringLiteral("read-only"));
                                           saved << s;
                                           return QStringLiteral("saved ") + s;
                                       }},
                                      &window);
        type(line->lineEdit(), QString::fromUtf8(row.typed));
        if (row.key != 0)
            press(line->lineEdit(), row.key);
        EXPECT_EQ(line->lineEdit()->text(), QString::fromUtf8(row.line));
        EXPECT_EQ(line->feedbackText(), QString::fromUtf8(row.feedback));
        EXPECT_EQ(line->isShowingError(), row.isError);
        EXPECT_EQ(saved.join(QLatin1Char(',')), QString::fromUtf8(row.saved));
        EXPECT_EQ(window.keys.contains(Qt::Key_Escape), row.reachesWindow);
    }
}

} // namespace
} // namespace ruvo::views
