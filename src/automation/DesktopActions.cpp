// SPDX-License-Identifier: GPL-3.0-or-later
#include "automation/DesktopActions.h"

#include <QCoreApplication>

namespace ruvo::automation {

namespace {
// `text` is marked with QT_TRANSLATE_NOOP("DesktopActions", ...).
ActionError unavailable(const char* text) {
    return ActionError{errors::kActionUnavailable,
                       QCoreApplication::translate("DesktopActions", text)};
}
} // namespace

QStringList DesktopActions::names() {
    using namespace desktopActions;
    return {kToggleWindow, kNewEvent, kJoinVideoCall, kSettings};
}

ActionStatus DesktopActions::activate(const QString& name, const QString& argument) {
    using namespace desktopActions;
    if (name == kToggleWindow) {
        m_toggleWindow();
        return std::nullopt;
    }
    if (name == kJoinVideoCall) {
        const auto joined = m_actions.joinVideoCall();
        if (!joined)
            return joined.error();
        if (!*joined)
            return ActionError{errors::kNoVideoCall,
                               QCoreApplication::translate(
                                   "DesktopActions", "No video call is running or starting in "
                                                     "the next 15 minutes.")};
        return std::nullopt;
    }
    if (name == kNewEvent) {
        if (!m_newEvent)
            return unavailable(QT_TRANSLATE_NOOP(
                "DesktopActions",
                "Ruvo cannot create events here. Use your calendar application."));
        m_newEvent();
        return std::nullopt;
    }
    if (name == kSettings && m_openSettings) {
        m_openSettings(argument);
        return std::nullopt;
    }
    if (name == kSettings)
        return unavailable(QT_TRANSLATE_NOOP(
            "DesktopActions", "Ruvo has no settings window yet. Use \"ruvo defaults\" to change "
                              "settings."));
    return ActionError{
        errors::kUnknownAction,
        QCoreApplication::translate("DesktopActions", "There is no action \"%1\".").arg(name)};
}

} // namespace ruvo::automation
