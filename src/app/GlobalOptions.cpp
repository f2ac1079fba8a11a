// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GlobalOptions.h"

#include "kit/SystemTimeZones.h"

#include <QFileInfo>
#include <QLocale>
#include <QTimeZone>
#include <QUrl>

namespace ruvo::app {

namespace {

const QStringList kOptions{QStringLiteral("--config-dir"), QStringLiteral("--now"),
                           QStringLiteral("--time-zone"), QStringLiteral("--locale")};

kit::Result<void> apply(GlobalOptions& o, const QString& name, const QString& value) {
    if (name == QLatin1String("--config-dir")) {
        o.configDirectory = value;
    } else if (name == QLatin1String("--time-zone")) {
        if (!kit::SystemTimeZones::isKnown(value))
            return kit::fail(QStringLiteral("--time-zone: unknown time zone \"%1\"").arg(value));
        o.timeZoneId = value;
    } else if (name == QLatin1String("--locale")) {
        if (QLocale(value).language() == QLocale::C && value != QLatin1String("C"))
            return kit::fail(QStringLiteral("--locale: unknown locale \"%1\"").arg(value));
        o.localeId = value;
    }
    return {};
}

// The URI of an argument a launcher hands over: a URI with a scheme ("file:", "webcal:"), or
// the path of an existing .ics file (a command name is neither).
std::optional<QString> uriOf(const QString& argument) {
    const QUrl url(argument, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1 && argument.contains(QLatin1Char(':')))
        return argument;
    const QFileInfo file(argument);
    if (file.isFile() && file.suffix().compare(QLatin1String("ics"), Qt::CaseInsensitive) == 0)
        return QUrl::fromLocalFile(file.absoluteFilePath()).toString();
    return std::nullopt;
}

} // namespace

QStringList GlobalOptions::urisToOpen() const {
    QStringList uris;
    for (const QString& argument : remaining) {
        const auto uri = uriOf(argument);
        if (!uri)
            return {};
        uris << *uri;
    }
    return uris;
}

kit::Result<GlobalOptions> GlobalOptions::parse(const QStringList& arguments) {
    GlobalOptions o;
    std::optional<QString> nowText;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        if (!kOptions.contains(name)) {
            o.remaining << arg;
            continue;
        }
        QString value;
        if (arg.contains(QLatin1Char('=')))
            value = arg.section(QLatin1Char('='), 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        else
            return kit::fail(QStringLiteral("%1 needs a value").arg(name));
        if (name == QLatin1String("--now")) {
            // A time without an offset is read in --time-zone, which may come later.
            nowText = value;
            continue;
        }
        if (auto applied = apply(o, name, value); !applied)
            return kit::fail(applied.error());
    }
    if (nowText) {
        const QTimeZone zone(o.timeZoneId.isEmpty() ? QTimeZone::systemTimeZoneId()
                                                    : o.timeZoneId.toUtf8());
        o.now = kit::parseIsoInstant(*nowText, zone);
        if (!o.now)
            return kit::fail(
                QStringLiteral("--now: \"%1\" is not an ISO 8601 date and time").arg(*nowText));
    }
    return o;
}

kit::Environment GlobalOptions::environment(const std::optional<QString>& localeSetting) const {
    kit::Environment env = kit::Environment::fromSystem();
    if (localeSetting && !localeSetting->isEmpty())
        env.localeId = kit::normalizedLocaleId(*localeSetting);
    if (!localeId.isEmpty())
        env.localeId = kit::normalizedLocaleId(localeId);
    if (!timeZoneId.isEmpty())
        env.timeZoneId = timeZoneId;
    return env;
}

} // namespace ruvo::app
