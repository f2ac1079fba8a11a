// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own sounds as files other programs can read: each is written once into a
// folder of ours and its path handed out.
#pragma once

#include "automation/ActionResult.h"

#include <QString>

namespace ruvo::automation {

class SoundFiles {
public:
    // `folder` is created when the first sound is written. `resourcePrefix` is where the
    // sounds are compiled in (":/sounds").
    explicit SoundFiles(QString folder, QString resourcePrefix = QStringLiteral(":/sounds"))
        : m_folder(std::move(folder)), m_resourcePrefix(std::move(resourcePrefix)) {}

    // The program's own sounds only (the sound picker's case names, any letter case).
    ActionResult<QString> file(const QString& name) const;

private:
    QString m_folder;
    QString m_resourcePrefix;
};

// $XDG_CACHE_HOME/ruvo/sounds
QString defaultSoundFolder();

} // namespace ruvo::automation
