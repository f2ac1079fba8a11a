// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes of the services the launch sequence calls. Each records its calls, in order, into
// one shared journal so tests can check the sequence.
#pragma once

#include "platform/CalendarAccess.h"
#include "platform/GlobalShortcuts.h"
#include "platform/LaunchWindows.h"
#include "platform/NotificationCategories.h"
#include "platform/RunningApplications.h"

#include <QStringList>
#include <map>

namespace ruvo::platform {

class FakeLaunchServices final : public CalendarAccess,
                                 public NotificationCategories,
                                 public GlobalShortcuts,
                                 public RunningApplications,
                                 public LaunchWindows {
public:
    QStringList journal;
    QStringList runningNames;
    bool grantAccess = true;
    std::vector<NotificationCategory> categories;
    std::map<QString, std::function<void()>> shortcutHandlers;

    void requestEventsAccess(std::function<void(bool)> done) override {
        journal << QStringLiteral("requestEventsAccess");
        done(grantAccess);
    }
    void requestRemindersAccess(std::function<void(bool)> done) override {
        journal << QStringLiteral("requestRemindersAccess");
        done(grantAccess);
    }
    void setCategories(const std::vector<NotificationCategory>& c) override {
        journal << QStringLiteral("setCategories");
        categories = c;
    }
    void onKeyDown(const QString& name, std::function<void()> handler) override {
        journal << QStringLiteral("shortcut:") + name;
        shortcutHandlers[name] = std::move(handler);
    }
    QStringList running(const QStringList& candidates) const override {
        QStringList found;
        for (const QString& c : candidates)
            if (runningNames.contains(c))
                found << c;
        return found;
    }
    void showWelcome() override { journal << QStringLiteral("welcome"); }
    void showWhatsNew() override { journal << QStringLiteral("whatsNew"); }
    void showTip(const QString& title, const QString&) override {
        journal << QStringLiteral("tip:") + title;
    }
    void ensureStatusItemVisible() override {
        journal << QStringLiteral("ensureStatusItemVisible");
    }
};

} // namespace ruvo::platform
