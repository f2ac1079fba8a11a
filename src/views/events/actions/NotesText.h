// SPDX-License-Identifier: GPL-3.0-or-later
// Event notes as safe rich text for a label. Notes come from strangers: markup is reduced
// to its text, everything is escaped, and only links whose scheme may be opened (http,
// https and the meeting applications') become clickable.
#pragma once

#include <QString>

namespace ruvo::views {

QString notesRichText(const QString& notes);

} // namespace ruvo::views
