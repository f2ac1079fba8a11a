// SPDX-License-Identifier: GPL-3.0-or-later
// "About Ruvo": the version of this build, the licence, the credits, and a button that
// copies the debug information for a bug report.
#pragma once

#include <QWidget>
#include <functional>

namespace ruvo::views {

class AboutWindow final : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(std::function<QString()> debugInfo, QWidget* parent = nullptr);
};

} // namespace ruvo::views
