// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the store changes an item file that exists: read it, compute the new text,
// and replace (or remove) the file only while it is still the version that was read. A sync
// tool that writes the file in between is not overwritten: the edit is computed again from
// its version, once, and refused when the file changes again.
#pragma once

#include "kit/AtomicFile.h"
#include "kit/Result.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace ruvo::platform::vdir {

// What an edit makes of a file.
struct FileChange {
    enum class Kind { keep, replace, remove };
    Kind kind = Kind::keep;
    QByteArray text; // the new content for `replace`

    static FileChange keep() { return {}; }
    static FileChange replace(QByteArray text) { return {Kind::replace, std::move(text)}; }
    static FileChange remove() { return {Kind::remove, {}}; }
};

using FileEdit = std::function<kit::Result<FileChange>(const QByteArray& current)>;

// Runs `edit` on the text of `path` and applies its answer. A symlink is followed for the
// text; a removal is the removal of the item's name (see removeItemFile).
kit::Result<void> editFile(const QString& path, const FileEdit& edit);

// Removes the item file `path` while it still has `expected`. The item is its name in the
// calendar folder, so when that name is a symlink the link goes. Its target goes too only
// when it lies in the same folder (then it is the same item under another name and would
// keep it in the calendar); a target anywhere else is a file the user keeps outside the
// calendar, perhaps shared with another calendar or a backup, and stays.
kit::Result<bool> removeItemFile(const QString& path, const kit::FileStamp& expected);

} // namespace ruvo::platform::vdir
