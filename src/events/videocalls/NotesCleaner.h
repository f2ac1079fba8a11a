// SPDX-License-Identifier: GPL-3.0-or-later
// Notes for display: removes the invitation boilerplate that Zoom, Google Meet and
// Microsoft Teams put into event notes (the join button already offers the link), then
// trims whitespace and "<br>" runs at both ends. Notes longer than 64 KiB come back as they are.
#pragma once

#include "events/videocalls/BoundedCache.h"

#include <QString>

namespace ruvo::videocalls {

QString cleanedNotes(const QString& notes);

// cleanedNotes() with its answers kept per notes text: views ask on every redraw, and a long
// hostile invitation can take the patterns a while.
class NotesCleaner {
public:
    explicit NotesCleaner(std::size_t capacity = 512) : m_cache(capacity) {}

    QString cleaned(const QString& notes);
    void clear() { m_cache.clear(); }

private:
    BoundedCache<QString, QString> m_cache;
};

} // namespace ruvo::videocalls
