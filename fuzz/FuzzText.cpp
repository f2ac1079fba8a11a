// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzInputs.h"
#include "TailReader.h"
#include "events/videocalls/LinkCleaner.h"
#include "events/videocalls/LinkFinder.h"
#include "events/videocalls/NotesCleaner.h"
#include "events/videocalls/VideoCallDetector.h"
#include "menubar/ClockText.h"
#include "platform/fake/FakeUrlOpener.h"
#include "settings/PropertyList.h"

namespace ruvo::fuzz {

bool linksAndNotes(QByteArrayView bytes) {
    const QString text = QString::fromUtf8(bytes);
    for (const auto& found : videocalls::findLinks(text)) {
        if (found.start < 0 || found.length <= 0 || found.start + found.length > text.size())
            return false;
        if (!videocalls::isWebLink(found.url))
            return false;
        if (!videocalls::isWebLink(videocalls::unwrapRedirectors(found.url)))
            return false;
    }
    videocalls::findLinks(videocalls::replacingLineBreakTags(text));
    videocalls::cleanedNotes(text);
    static const platform::FakeUrlOpener apps;
    videocalls::VideoCallDetector detector(apps);
    videocalls::CallEvent event;
    event.calendarItemIdentifier = QStringLiteral("fuzz");
    event.location = text;
    event.notes = text;
    const auto location = detector.cleanedLocationWithoutMeetingLink(event);
    return !location || location->size() <= text.size() + 1;
}

bool propertyList(QByteArrayView bytes) {
    const auto read = settings::readPropertyList(bytes.toByteArray());
    if (!read)
        return true;
    const QByteArray written = settings::writePropertyList(*read);
    const auto again = settings::readPropertyList(written);
    return again && settings::writePropertyList(*again) == written;
}

bool clockPattern(QByteArrayView bytes) {
    static const char* const locales[] = {"en_US", "de_DE", "ar_EG",      "fa_IR", "ja_JP",
                                          "th_TH", "he_IL", "sr_Latn_RS", "hi_IN", "zh_Hant_TW"};
    static const char* const zones[] = {"UTC", "America/New_York", "Asia/Kolkata",
                                        "Australia/Lord_Howe", "Pacific/Kiritimati"};
    TailReader input(bytes);
    kit::Environment environment{QString::fromLatin1(input.pick(locales)),
                                 QString::fromLatin1(input.pick(zones))};
    // From year 1 to year 9999.
    const qint64 seconds = input.number(-62135596800LL, 253402300799LL);
    const auto now = kit::instantFromMSecs(seconds * 1000);
    const QByteArrayView rest = input.rest();
    menubar::ClockTextSettings settings;
    settings.dateTimeFormat = QString::fromUtf8(rest);
    menubar::formatWithPattern(settings.dateTimeFormat, now, environment);
    const auto composed = menubar::composeClockText(settings, now, environment);
    return !composed.text.isEmpty();
}

const std::vector<Target>& targets() {
    static const std::vector<Target> all = {
        {"ics", icsFile},        {"recurrence", recurrence}, {"links", linksAndNotes},
        {"plist", propertyList}, {"clock", clockPattern},    {"snapshot", calendarSnapshot}};
    return all;
}

} // namespace ruvo::fuzz
