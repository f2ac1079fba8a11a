// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the http and https links in free text, in text order: links with a scheme, links a
// person would click without one ("zoom.us/j/123", "www.example.org"), links inside HTML
// attributes (entities such as "&amp;" decoded) and links followed by punctuation (the
// punctuation and unbalanced closing brackets stay out). Links without a scheme get https.
#pragma once

#include <QString>
#include <QUrl>
#include <vector>

namespace ruvo::videocalls {

struct FoundLink {
    qsizetype start = 0;  // where the link's text begins in the searched text
    qsizetype length = 0; // how long that text is
    QUrl url;
};

std::vector<FoundLink> findLinks(QStringView text);

// Notes may be HTML: "<br>" tags (any attributes, self-closed or not) become line breaks so
// that a link right before one ends there.
QString replacingLineBreakTags(const QString& notes);

} // namespace ruvo::videocalls
