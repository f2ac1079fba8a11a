// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcuts GNOME and KDE hold, read from their own settings each time the recorder asks
// (so a change in the desktop's settings counts at once): GNOME's keybinding schemas through
// GSettings, where installed, and KDE's kglobalshortcutsrc.
#pragma once

#include "platform/ShortcutConflicts.h"
#include "platform/linux/DesktopAccelerators.h"

#include <QStringList>

namespace ruvo::platform {

class DesktopShortcutConflicts final : public ShortcutConflicts {
public:
    struct Sources {
        QStringList gnomeSchemas; // schema ids; a schema that is not installed is skipped
        // Where the schemas are looked up; empty: the installed ones and the user's settings.
        // Schemas of another folder (a test's) are read with their defaults.
        QString schemaDirectory;
        QString kdeFile; // kglobalshortcutsrc; a missing file holds nothing
    };
    // The four GNOME schemas (window manager, shell, mutter, media keys with the custom
    // shortcuts) and $XDG_CONFIG_HOME/kglobalshortcutsrc.
    static Sources userSources();

    explicit DesktopShortcutConflicts(Sources sources = userSources());

    std::optional<QString> desktopActionUsing(QKeyCombination keys) const override;

    // Every binding the desktop holds now.
    std::vector<DesktopBinding> bindings() const;

private:
    Sources m_sources;
};

// The bindings of the GNOME schemas `schemaIds` (see Sources::schemaDirectory).
std::vector<DesktopBinding> gnomeBindings(const QStringList& schemaIds,
                                          const QString& schemaDirectory = QString());

} // namespace ruvo::platform
