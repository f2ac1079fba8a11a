// SPDX-License-Identifier: GPL-3.0-or-later
// A small window with a title, paragraphs of text and a button that closes it: the
// what's-new window, and the frame the first-run window builds on.
#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QVBoxLayout;

namespace ruvo::views {

struct InfoContent {
    QString windowTitle;
    QString heading;
    QStringList paragraphs; // rich text allowed (bold, lists); nothing from outside
    QString buttonTitle;
};

class InfoWindow : public QWidget {
    Q_OBJECT
public:
    // With `openSettings`, a "Settings…" button beside the closing one opens the settings.
    InfoWindow(const InfoContent& content, std::function<void()> openSettings,
               QWidget* parent = nullptr);

protected:
    // Where windows built on this one add their sections, between the text and the buttons.
    QVBoxLayout* body() const { return m_body; }

private:
    QVBoxLayout* m_body = nullptr;
};

// A paragraph label as these windows show them: wrapped, selectable, our own rich text.
QLabel* paragraphLabel(const QString& text, QWidget* parent);

InfoContent welcomeContent();
InfoContent whatsNewContent();

} // namespace ruvo::views
