// SPDX-License-Identifier: GPL-3.0-or-later
// Proofpoint URL Defense rewrites links in three forms; this recovers the original text.
//   v1: urldefense.proofpoint.com/v1/url?u=<percent-encoded link>
//   v2: urldefense.proofpoint.com/v2/url?u=<link with "%" written "-" and "/" written "_">
//   v3: urldefense.com/v3/__<link with some characters replaced by "*">__;<those characters,
//       base64url>!!<tracking>
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace ruvo::videocalls {

std::optional<QString> decodeProofpoint(const QUrl& url);

} // namespace ruvo::videocalls
