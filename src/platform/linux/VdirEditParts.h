// SPDX-License-Identifier: GPL-3.0-or-later
// What the edits of existing vdir items share: finding an item's components, stamping a
// changed component, matching occurrences and checking the edited text before it is written.
#pragma once

#include "kit/Result.h"
#include "platform/linux/VdirContentLines.h"
#include "platform/linux/VdirFileEdit.h"
#include "platform/linux/VdirFileTimes.h"

#include <memory>

namespace ruvo::platform::vdir {

// The components of `type` that hold `uid`. One without a UID holds the file's name, as the
// loader reads it.
std::vector<ContentLines::Component> itemComponents(const ContentLines& lines,
                                                    const QByteArray& type, const QString& uid,
                                                    const QString& file);

// DTSTAMP and LAST-MODIFIED at `now`; SEQUENCE one up when attendees must see the change.
ContentLines::Component touch(ContentLines& lines, ContentLines::Component c, kit::Instant now,
                              bool isSignificant);

// The new content of an edited file: none when only zones are left in it. An edit writes
// only lines it made; should one of them not read back cleanly, the file is left alone.
kit::Result<FileChange> finishEdit(const ContentLines& lines, const QByteArray& before);

// A property of a line read on its own by libical, or nullptr.
struct PropertyDeleter {
    void operator()(icalproperty* p) const { icalproperty_free(p); }
};
using PropertyPtr = std::unique_ptr<icalproperty, PropertyDeleter>;
PropertyPtr readProperty(const QByteArray& logicalLine);

// Whether the event `uid` of the file `text` has an occurrence that starts (or started,
// before it was moved) at `utc`, as the store lists it.
bool hasOccurrence(const QByteArray& text, const QString& uid, UtcSeconds utc, ZoneTable& zones,
                   const QString& file);
bool hasRule(const ContentLines& lines, const ContentLines::Component& c);

// A `name` line (EXDATE, RECURRENCE-ID, DTSTART) for `utc` written like the series' DTSTART,
// which is how readers match them.
std::optional<QByteArray> timeLineLike(const ContentLines& lines,
                                       const ContentLines::Component& master,
                                       const FileTimes& times, UtcSeconds utc,
                                       const QByteArray& name);

// The components among `components` whose RECURRENCE-ID names the occurrence at `utc`.
std::vector<ContentLines::Component>
overridesAt(const ContentLines& lines, const std::vector<ContentLines::Component>& components,
            const FileTimes& times, UtcSeconds utc);

} // namespace ruvo::platform::vdir
