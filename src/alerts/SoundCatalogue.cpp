// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/SoundCatalogue.h"

#include "alerts/ChimeLog.h"
#include "settings/records/Enums.h"

#include <algorithm>
#include <cmath>

namespace ruvo::alerts {

namespace {

const char* const kApplicationSounds[] = {
    "astral",     "something", "harp",       "crystal",    "attention",      "message",
    "success",    "click",     "friend",     "banjo",      "acousticGuitar", "easternMorning",
    "sunrise",    "danger",    "siren",      "siren2",     "gong",           "dingDong",
    "churchBell", "cuckoo",    "cuckooPure", "cuckooLong", "gustavBecker",   "hermle",
    "goose",      "cat",       "rooster",    "cow",        "horse",          "goat"};

QString capitalised(const QString& name) {
    return name.left(1).toUpper() + name.mid(1);
}

// "acousticGuitar" -> "Acoustic Guitar"
QString words(const QString& caseName) {
    QString text;
    for (QChar c : caseName) {
        if (c.isUpper() && !text.isEmpty())
            text += QLatin1Char(' ');
        text += c;
    }
    return capitalised(text);
}

std::optional<QString> matching(const QStringList& names, const QString& wanted) {
    const auto it = std::find_if(names.begin(), names.end(), [&](const QString& n) {
        return n.compare(wanted, Qt::CaseInsensitive) == 0;
    });
    return it == names.end() ? std::nullopt : std::optional(*it);
}

} // namespace

QStringList applicationSoundNames() {
    QStringList names;
    for (const char* name : kApplicationSounds)
        names << QString::fromLatin1(name);
    return names;
}

QStringList systemSoundNames() {
    QStringList names;
    for (const auto& c : settings::EnumInfo<settings::MacSystemSound>::cases)
        names << QString::fromLatin1(c.name);
    return names;
}

std::optional<platform::Sound> soundNamed(const QString& storedName) {
    const QString wanted = storedName.trimmed();
    if (auto name = matching(systemSoundNames(), wanted))
        return platform::Sound{*name, true};
    if (auto name = matching(applicationSoundNames(), wanted))
        return platform::Sound{*name, false};
    return std::nullopt;
}

QString storedSoundName(const platform::Sound& sound) {
    return sound.isSystemSound ? capitalised(sound.name) : sound.name;
}

QString soundDisplayName(const platform::Sound& sound) {
    return sound.isSystemSound ? capitalised(sound.name)
                               : QStringLiteral("AppSound - ") + words(sound.name);
}

bool playSound(platform::SoundPlayer& player, const std::optional<QString>& storedName,
               double volume) {
    if (!storedName)
        return false;
    const auto sound = soundNamed(*storedName);
    if (!sound) {
        qCWarning(lcChime) << "No sound is named" << *storedName << "- nothing played";
        return false;
    }
    player.play(*sound, std::isnan(volume) ? 0.0 : std::clamp(volume, 0.0, 1.0));
    return true;
}

} // namespace ruvo::alerts
