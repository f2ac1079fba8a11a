// SPDX-License-Identifier: GPL-3.0-or-later
// A small window with a title, paragraphs of text and a button that closes it: the welcome
// and what's-new windows.
#pragma once

#include <QWidget>

namespace ruvo::views {

struct InfoContent {
    QString windowTitle;
    QString heading;
    QStringList paragraphs; // rich text allowed (bold, lists); nothing from outside
    QString buttonTitle;
};

class InfoWindow final : public QWidget {
    Q_OBJECT
public:
    explicit InfoWindow(const InfoContent& content, QWidget* parent = nullptr);
};

InfoContent welcomeContent();
InfoContent whatsNewContent();

} // namespace ruvo::views
