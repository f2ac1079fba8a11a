// SPDX-License-Identifier: GPL-3.0-or-later
// Notes for display: removes the invitation boilerplate that Zoom, Google Meet and
// Microsoft Teams put into event notes (the join button already offers the link), then
// trims whitespace and "<br>" runs at both ends.
#pragma once

#include <QString>

namespace ruvo::videocalls {

QString cleanedNotes(const QString& notes);

} // namespace ruvo::videocalls
