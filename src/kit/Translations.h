// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own translations (embedded :/i18n/ruvo_LANG.qm, present where the target links
// ruvo_translations) and Qt's, installed for one locale. One translator serves the whole process,
// so the commands and the program call this once, after the locale is known.
#pragma once

#include <QString>

namespace ruvo::kit {

// Installs the translation best matching `localeId` ("de_DE", "de_AT", "sr_Latn_RS"),
// replacing the one installed before. A language without a translation gets the English one,
// which holds only the plural forms ("%n event(s)"). Returns whether one of ours is installed
// (false where the target does not link ruvo_translations).
bool installTranslations(const QString& localeId);

} // namespace ruvo::kit
