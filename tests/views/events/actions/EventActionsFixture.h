// SPDX-License-Identifier: GPL-3.0-or-later
// What the row menu and the details window are built on: a fake store with a writable, a
// read-only and a reminders calendar, and a prompter that answers for the user.
#pragma once

#include "MemoryDefaults.h"
#include "TestEvents.h"
#include "TestSupport.h"
#include "platform/fake/FakeCalendarStore.h"
#include "platform/fake/FakeUrlOpener.h"
#include "views/events/actions/EventActions.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace ruvo::test {

class AnsweringPrompter final : public views::Prompter {
public:
    DeleteChoice deleteChoice = DeleteChoice::cancel;
    bool confirm = false;
    QStringList asked; // what was asked or shown, in order

    DeleteChoice askDeleteRepeating(const QString& title) override {
        asked << QStringLiteral("repeating: ") + title;
        return deleteChoice;
    }
    bool confirmDelete(const QString& title) override {
        asked << QStringLiteral("delete: ") + title;
        return confirm;
    }
    bool confirmHideRepeating(const QString& warning) override {
        asked << QStringLiteral("warn: ") + warning;
        return confirm;
    }
    void showTip(const QString& text) override { asked << QStringLiteral("tip: ") + text; }
    void showError(const QString& text) override { asked << QStringLiteral("error: ") + text; }
};

class EventActionsTest : public ::testing::Test, public test::MemoryDefaults {
protected:
    EventActionsTest() {
        platform::Calendar work, subscribed, todo;
        work.identifier = QStringLiteral("work");
        work.title = QStringLiteral("Work");
        subscribed.identifier = QStringLiteral("holidays");
        subscribed.isWritable = false;
        todo.identifier = QStringLiteral("todo");
        todo.kind = platform::EntityType::reminder;
        store.calendarList = {work, subscribed, todo};
    }

    // Adds `count` daily occurrences from 14:00Z on 7 December (a series when more than one).
    std::vector<platform::Event>
    addEvent(const char* uid, const char* calendar, int count,
             const std::function<void(platform::EventData&)>& adjust = {}) {
        auto data = eventData((std::string("Title of ") + uid).c_str(), uid, calendar);
        data->hasRecurrenceRules = count > 1;
        if (adjust)
            adjust(*data);
        std::vector<platform::Event> added;
        for (int i = 0; i < count; ++i) {
            const kit::Instant start = at("2026-12-07T14:00:00Z") + std::chrono::hours(24 * i);
            added.push_back(store.addEvent(data, start, start + std::chrono::hours(1)));
        }
        return added;
    }

    platform::Reminder addReminder(int priority) {
        platform::Reminder r;
        r.identifier = QStringLiteral("todo/r1");
        r.calendarIdentifier = QStringLiteral("todo");
        r.title = QStringLiteral("Buy milk");
        r.priority = priority;
        r.due =
            platform::DueDate{QDate(2026, 12, 7), QTime(9, 0), QStringLiteral("America/New_York")};
        store.reminderList.push_back(r);
        return r;
    }

    views::EventActionDependencies deps() {
        return {store,
                defaults,
                urls,
                detector,
                prompter,
                [] {
                    return kit::Environment{QStringLiteral("en_US"),
                                            QStringLiteral("America/New_York")};
                },
                clock,
                [this](const platform::Event& e) { joined << e.title(); },
                [this](QDate day) { shownDays << day; },
                [this](const QUrl& url) {
                    composed << url;
                    return composedWorks;
                }};
    }

    // The menu's entries as shown, " (off)" after disabled ones; sections count, separators not.
    static QStringList entries(const QMenu& menu) {
        QStringList list;
        for (QAction* a : menu.actions())
            if (!a->isSeparator() || !a->text().isEmpty())
                list << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (off)"));
        return list;
    }

    static QAction* entry(const QMenu& menu, const QString& text) {
        for (QAction* a : menu.actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }

    platform::FakeCalendarStore store;
    platform::FakeUrlOpener urls;
    videocalls::VideoCallDetector detector{urls};
    AnsweringPrompter prompter;
    kit::FixedClock clock{at("2026-12-07T13:00:00Z")};
    QStringList joined;
    QList<QDate> shownDays;
    QList<QUrl> composed;
    bool composedWorks = true;
};

} // namespace ruvo::test
