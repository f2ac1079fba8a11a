// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shell/AboutWindow.h"

#include "kit/BuildInfo.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ruvo::views {

namespace {

QLabel* centred(const QString& text, QWidget* parent, double scale = 1.0, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    if (bold)
        font.setWeight(QFont::DemiBold);
    label->setFont(font);
    return label;
}

} // namespace

AboutWindow::AboutWindow(std::function<QString()> debugInfo, QWidget* parent)
    : QWidget(parent, Qt::Dialog) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About Ruvo"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 20);
    layout->setSpacing(10);
    layout->addWidget(centred(QStringLiteral("Ruvo"), this, 2.0, true));
    auto* version = centred(tr("Version %1").arg(kit::programVersion()), this);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(version);
    layout->addWidget(centred(tr("A clock and calendar for your panel."), this));
    auto* licence = centred(
        tr("Free software under the <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">GNU "
           "General Public License, version 3 or later</a> (GPL-3.0-or-later). It comes with "
           "absolutely no warranty."),
        this, 0.9);
    licence->setTextFormat(Qt::RichText);
    licence->setOpenExternalLinks(true);
    layout->addWidget(licence);
    layout->addWidget(centred(tr("Written by the Ruvo developers. Built on Qt %1, ICU %2, "
                                 "libical and SQLite; time zones from the system's tz database.")
                                  .arg(kit::qtRuntimeVersion(), kit::icuRuntimeVersion()),
                              this, 0.9));
    auto* buttons = new QHBoxLayout;
    auto* copy = new QPushButton(tr("Copy Debug Info"), this);
    connect(copy, &QPushButton::clicked, this,
            [debugInfo] { QApplication::clipboard()->setText(debugInfo()); });
    copy->setEnabled(bool(debugInfo));
    buttons->addWidget(copy);
    buttons->addStretch(1);
    auto* close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setFixedWidth(420);
}

} // namespace ruvo::views
