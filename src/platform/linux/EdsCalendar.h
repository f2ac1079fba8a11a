// SPDX-License-Identifier: GPL-3.0-or-later
// One calendar or task list of Evolution Data Server: its client, connected asynchronously (a
// remote source may take its whole timeout), a live view over all its objects, and those objects
// kept as iCalendar text by UID and read into the vdir store's compact records. Everything runs
// on the main thread through GLib's main context, which Qt's event dispatcher drives.
#pragma once

#include "kit/Result.h"
#include "platform/CalendarTypes.h"
#include "platform/linux/VdirRecords.h"

#include <QStringList>
#include <functional>
#include <map>
#include <set>

namespace ruvo::platform::eds {

// Bounds on what one source may hand us: beyond them objects are skipped with one log line.
inline constexpr std::size_t kMaxObjectsPerCalendar = 100000;
inline constexpr qsizetype kMaxObjectBytes = 1 << 20;
inline constexpr std::size_t kMaxComponentsPerUid = 1000; // a series and its overrides

class EdsCalendar {
public:
    enum class State { connecting, loading, ready, failed };

    // `source` is an ESource (referenced here); `changed` runs after objects or the state
    // changed.
    EdsCalendar(void* source, Calendar calendar, QStringList userAddresses, vdir::ZoneTable& zones,
                std::function<void()> changed);
    ~EdsCalendar();
    EdsCalendar(const EdsCalendar&) = delete;
    EdsCalendar& operator=(const EdsCalendar&) = delete;

    void connect();
    State state() const { return m_state; }
    bool isSettled() const { return m_state == State::ready || m_state == State::failed; }
    const Calendar& calendar() const { return m_calendar; }
    void setCalendar(Calendar calendar) { m_calendar = std::move(calendar); }
    bool isReadOnly() const;

    // Reads the objects that changed since the last call; true when any did.
    bool takeChanges();
    const std::map<QString, vdir::ParsedFile>& items() const { return m_parsed; }
    // The iCalendar text of the object `uid` without a RECURRENCE-ID, if it is here.
    std::optional<QByteArray> masterText(const QString& uid) const;

    // Edits through the client; each waits for the source's answer and then reads the item
    // back, so the next query sees it.
    kit::Result<QString> create(const QByteArray& componentText);
    kit::Result<void> modify(const QByteArray& componentText);
    kit::Result<void> remove(const QString& uid, const QByteArray& recurrenceId, bool wholeSeries);
    // Answers the invitation `uid` (empty `recurrenceId`: the whole event) as the user's
    // attendee, and sends the answer when the source sends messages.
    kit::Result<void> reply(const QString& uid, const QByteArray& recurrenceId,
                            ParticipantStatus status, kit::Instant now);

    // Called from the client's callbacks.
    void onConnected(void* client);
    void onViewReady(void* view);
    void onFailed(const QString& step, const QString& message);
    void onObjects(const void* components); // a GSList of ICalComponent
    void onRemoved(const void* ids);        // a GSList of ECalComponentId
    void onComplete(const QString& error);

private:
    void store(const QString& uid, const QString& rid, QByteArray text);
    void reloadUid(const QString& uid);
    QByteArray calendarText(const QString& uid) const;
    QByteArray zonesFor(const QByteArray& components) const;

    struct Handles;
    std::unique_ptr<Handles> m_g;
    Calendar m_calendar;
    QStringList m_userAddresses;
    vdir::ZoneTable& m_zones;
    std::function<void()> m_changed;
    State m_state = State::connecting;
    std::map<QString, std::map<QString, QByteArray>> m_objects; // UID -> RECURRENCE-ID -> text
    std::map<QString, vdir::ParsedFile> m_parsed;
    std::set<QString> m_dirty;
    bool m_hasWarnedFull = false;
};

} // namespace ruvo::platform::eds
