// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window on the offscreen platform: each kind of control changes its key in the
// settings files and, for the panel's, the panel item's text; every pane is reached by Tab;
// disabled controls say why; the shortcut recorder and the exclusion editor.
#include "views/preferences/SettingsWindow.h"

#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "menubar/MenuBarController.h"
#include "platform/fake/FakeStatusItem.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "preferences/PaneDescription.h"
#include "settings/Keys.h"
#include "settings/SettingsFiles.h"
#include "timezones/PlaceList.h"
#include "views/preferences/CalendarChecklist.h"
#include "views/preferences/ControlEditors.h"
#include "views/preferences/ControlRow.h"
#include "views/preferences/ExclusionsEditor.h"
#include "views/preferences/PatternField.h"
#include "views/preferences/ShortcutRecorder.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace ruvo;
namespace keys = settings::keys;

namespace {

class SettingsWindowTest : public ::testing::Test {
public:
    static kit::Environment environment() {
        return kit::Environment{QStringLiteral("en_US"), QStringLiteral("America/New_York")};
    }

    views::SettingsServices services() {
        views::SettingsServices s{files->defaults(), clock, &SettingsWindowTest::environment};
        s.places = &places;
        s.calendars = [] {
            std::vector<platform::Calendar> all;
            const char* const rows[][4] = {{"work", "Work", "#3478f6", "~/calendars"},
                                           {"home", "Home", "#34c759", "~/calendars"},
                                           {"team", "Team", "#ff9500", "Work account"}};
            for (const auto& row : rows) {
                platform::Calendar c;
                c.identifier = QString::fromLatin1(row[0]);
                c.title = QString::fromLatin1(row[1]);
                c.colour = QString::fromLatin1(row[2]);
                c.source = QString::fromLatin1(row[3]);
                all.push_back(c);
            }
            return all;
        };
        s.runAction = [this](const QString& action) -> std::optional<QString> {
            actions << action;
            return std::nullopt;
        };
        return s;
    }

    // The keyboard's way: focus the control, then press the key.
    void press(QWidget* w, Qt::Key key) {
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus) << w->metaObject()->className();
        w->setFocus();
        QTest::keyClick(w, key);
    }

    template <typename W> W* editorOf(const QString& id) {
        views::ControlRow* row = window.row(id);
        EXPECT_NE(row, nullptr) << id.toStdString();
        return row ? qobject_cast<W*>(row->editor()) : nullptr;
    }

    // What `ruvo defaults read` shows: the settings as a fresh start reads them from the files.
    std::unique_ptr<settings::SettingsFiles> reread() const {
        return settings::SettingsFiles::open(folder.path());
    }

    QTemporaryDir folder;
    std::unique_ptr<settings::SettingsFiles> files = settings::SettingsFiles::open(folder.path());
    const settings::Defaults& d = files->defaults();
    kit::VirtualScheduler clock{test::at("2026-12-04T14:23:40-05:00")};
    timezones::PlaceList places;
    QStringList actions;
    views::SettingsWindow window{services()};
};

// One control of each kind of editor; every pane's opening is walked by the Tab test below.
TEST_F(SettingsWindowTest, EachKindOfControlStoresItsKey) {
    struct Step {
        const char* pane;
        std::function<void(SettingsWindowTest&)> change;
        std::function<bool(const settings::Defaults&)> stored;
        const char* panelText = nullptr; // the panel item's text after the change, if it changes
    };
    const Step steps[] = {
        {"general",
         [](SettingsWindowTest& t) {
             auto* combo = t.editorOf<QComboBox>(keys::appearance.name);
             t.press(combo, Qt::Key_Down); // System -> Light
             t.press(combo, Qt::Key_Down); // -> Dark
         },
         [](const settings::Defaults& d) {
             return d.get(keys::appearance) == settings::AppAppearance::dark;
         }},
        {"panel",
         [](SettingsWindowTest& t) {
             t.press(t.editorOf<QCheckBox>(keys::showSecondsInMenuBar.name), Qt::Key_Space);
         },
         [](const settings::Defaults& d) { return d.get(keys::showSecondsInMenuBar); },
         "Fri 2:23:40\u202fPM"},
        {"calendar",
         [](SettingsWindowTest& t) {
             t.press(t.editorOf<QDoubleSpinBox>(keys::calendarEventsDayCount.name), Qt::Key_Up);
         },
         [](const settings::Defaults& d) { return d.get(keys::calendarEventsDayCount) == 8; }},
        {"shortcuts",
         [](SettingsWindowTest& t) {
             auto* recorder = t.editorOf<views::ShortcutRecorder>(keys::shortcut_newEvent.name);
             QTest::mouseClick(recorder->button(), Qt::LeftButton);
             QTest::keyClick(recorder->button(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
         },
         [](const settings::Defaults& d) {
             return d.get(keys::shortcut_newEvent) == settings::ShortcutSetting::of({0x2D, 0x1800});
         }},
        {"advanced",
         [](SettingsWindowTest& t) {
             QTest::mouseClick(t.editorOf<QPushButton>(preferences::actions::kCopyDebugInfo),
                               Qt::LeftButton);
         },
         [](const settings::Defaults&) { return true; }},
    };
    platform::FakeSystemDateEvents dateEvents;
    menubar::ClockTicks ticks{clock, dateEvents};
    platform::FakeStatusItem item;
    menubar::MenuBarController panel{{files->defaults(), clock, ticks, dateEvents,
                                      &SettingsWindowTest::environment,
                                      [](const QString&, const auto&) { return 50.0; }}};
    panel.attach(item);
    clock.runDue();
    window.show();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.pane);
        window.showPane(QString::fromLatin1(step.pane));
        EXPECT_EQ(window.currentPaneId(), QString::fromLatin1(step.pane));
        const QString textBefore = item.content().title;
        step.change(*this);
        EXPECT_TRUE(step.stored(d));
        EXPECT_TRUE(step.stored(reread()->defaults()));
        clock.runDue();
        EXPECT_EQ(item.content().title,
                  step.panelText ? QString::fromUtf8(step.panelText) : textBefore);
    }
    EXPECT_EQ(actions, QStringList{preferences::actions::kCopyDebugInfo});
    window.showPane(QStringLiteral("no-such-pane"));
    EXPECT_EQ(window.currentPaneId(), QStringLiteral("general"));
}

// Each pane as a keyboard and screen reader user meets it: it fits the window's width, Tab from
// the section list reaches every enabled control of the pane, each of them has a name to read,
// and every control that is turned off says why.
TEST_F(SettingsWindowTest, EveryPaneIsWalkedByTabAndNamesItsControls) {
    const auto* stack = window.findChild<QStackedWidget*>();
    ASSERT_NE(stack, nullptr);
    window.resize(640, 480); // narrower than it opens: a long translation, a large font
    window.show();
    QApplication::setActiveWindow(&window);
    for (const QString& id : preferences::paneIds()) {
        SCOPED_TRACE(id.toStdString());
        window.showPane(id);
        auto* scroll = qobject_cast<QScrollArea*>(stack->currentWidget());
        ASSERT_NE(scroll, nullptr);
        QCoreApplication::processEvents();
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << "the pane scrolls sideways";
        QSet<QWidget*> focusable;
        for (QWidget* w : stack->currentWidget()->findChildren<QWidget*>())
            if (w->isVisibleTo(&window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                !w->focusProxy())
                focusable.insert(w);
        ASSERT_FALSE(focusable.isEmpty());
        window.paneList()->setFocus();
        QSet<QWidget*> reached;
        for (int i = 0; i < 400; ++i) { // bounded: a focus loop that misses the list ends
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* at = QApplication::focusWidget();
            ASSERT_NE(at, nullptr);
            if (at == window.paneList())
                break;
            reached.insert(at);
            const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(at);
            // A name of words: "+" or "−" read aloud says nothing.
            EXPECT_TRUE(read && read->text(QAccessible::Name)
                                    .contains(QRegularExpression(QStringLiteral("\\p{L}"))))
                << at->metaObject()->className() << " " << at->objectName().toStdString();
        }
        for (QWidget* w : focusable)
            EXPECT_TRUE(reached.contains(w))
                << "not reached by Tab: " << w->metaObject()->className() << " "
                << w->accessibleName().toStdString();
        for (views::ControlRow* row : stack->currentWidget()->findChildren<views::ControlRow*>())
            EXPECT_TRUE(row->editor()->isEnabled() ||
                        !row->editor()->accessibleDescription().isEmpty())
                << row->control().id().toStdString();
    }
}

TEST_F(SettingsWindowTest, AChangeFromElsewhereShowsAndDisabledControlsSayWhy) {
    auto* seconds = editorOf<QCheckBox>(keys::showSecondsInMenuBar.name);
    d.set(keys::showSecondsInMenuBar, true); // as `ruvo defaults write` would
    EXPECT_TRUE(seconds->isChecked());
    EXPECT_TRUE(seconds->isEnabled());

    auto* pattern = editorOf<views::PatternField>(keys::dateTimeFormat.name);
    pattern->edit()->setFocus();
    QTest::keyClicks(pattern->edit(), QStringLiteral("D MMM"));
    EXPECT_EQ(d.get(keys::dateTimeFormat), QStringLiteral("D MMM"));
    EXPECT_TRUE(pattern->warningText().contains(QStringLiteral("day of year")));
    EXPECT_EQ(pattern->previewText(), QStringLiteral("Preview: 338 Dec"));
    EXPECT_FALSE(seconds->isEnabled());
    EXPECT_TRUE(window.row(keys::showSecondsInMenuBar.name)
                    ->disabledReason()
                    .contains(QStringLiteral("Date & Time Format")));
    pattern->edit()->clear();
    EXPECT_TRUE(seconds->isEnabled());
    EXPECT_TRUE(window.row(keys::showSecondsInMenuBar.name)->disabledReason().isEmpty());

    // A run of rows turned off by one switch says why once, under its first row.
    const auto shownReasons = [this](const QString& key) {
        int count = 0;
        for (QLabel* label : window.row(key)->findChildren<QLabel*>())
            count += !label->isHidden() && label->text().startsWith(QStringLiteral("Used while"));
        return count;
    };
    EXPECT_EQ(shownReasons(keys::upcomingEventInMenuBarShowTitle.name), 1);
    EXPECT_EQ(shownReasons(keys::upcomingEventInMenuBarShowCountdown.name), 0);
    d.set(keys::upcomingEventInMenuBar_isEnabled, true);
    EXPECT_EQ(shownReasons(keys::upcomingEventInMenuBarShowTitle.name), 0);
    EXPECT_TRUE(window.row(keys::upcomingEventInMenuBarShowCountdown.name)->editor()->isEnabled());

    EXPECT_FALSE(window.row(keys::hourlyChimeSound.name)->editor()->isEnabled());
    d.set(keys::hourlyChime_isEnabled, true);
    EXPECT_TRUE(window.row(keys::hourlyChimeSound.name)->editor()->isEnabled());
}

TEST_F(SettingsWindowTest, TheRecorderRefusesOurOwnShortcutsAndKeepsTheOldOne) {
    auto* recorder = editorOf<views::ShortcutRecorder>(keys::shortcut_joinMeeting.name);
    d.set(keys::shortcut_joinMeeting, settings::ShortcutSetting::of({0x26, 0x1800}));
    QTest::mouseClick(recorder->button(), Qt::LeftButton);
    EXPECT_TRUE(recorder->isRecording());
    QTest::keyClick(recorder->button(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_TRUE(recorder->refusal().contains(QStringLiteral("Previous month")));
    EXPECT_EQ(d.get(keys::shortcut_joinMeeting), settings::ShortcutSetting::of({0x26, 0x1800}));
    QTest::mouseClick(recorder->button(), Qt::LeftButton);
    QTest::keyClick(recorder->button(), Qt::Key_Escape);
    EXPECT_FALSE(recorder->isRecording());
    QTest::mouseClick(recorder->button(), Qt::LeftButton);
    QTest::keyClick(recorder->button(), Qt::Key_Backspace);
    EXPECT_EQ(d.get(keys::shortcut_joinMeeting), settings::ShortcutSetting::removed());
}

TEST_F(SettingsWindowTest, TheExclusionEditorSaysInvalidRegexAndCancelRestores) {
    auto* editor =
        editorOf<views::ExclusionsEditor>(keys::fullscreenNotifications_excludeMatcher.name);
    views::EditMatcherScreen* screen = editor->addMatcher();
    ASSERT_EQ(d.get(keys::fullscreenNotifications_excludeMatcher).size(), 1u);
    screen->kindPicker()->setCurrentIndex(
        screen->kindPicker()->findData(int(settings::EventExcludeMatcher::Kind::regex)));
    QTest::keyClicks(screen->patternField(), QStringLiteral("^Standup ("));
    EXPECT_TRUE(screen->isShowingInvalidRegex());
    EXPECT_EQ(d.get(keys::fullscreenNotifications_excludeMatcher).front().pattern,
              QStringLiteral("^Standup ("));
    QTest::keyClick(screen->patternField(), Qt::Key_Backspace);
    QTest::keyClick(screen->patternField(), Qt::Key_Backspace);
    EXPECT_FALSE(screen->isShowingInvalidRegex());
    screen->reject();
    QTest::keyClick(screen, Qt::Key_Escape);
    EXPECT_EQ(editor->list()->count(), 1);
}

TEST_F(SettingsWindowTest, EditorsStoreTheKeysOwnForms) {
    auto* size = editorOf<QDoubleSpinBox>(keys::menuBarTextSize.name);
    size->setValue(13);
    EXPECT_EQ(d.get(keys::menuBarTextSize), 13.0);
    size->setValue(size->minimum()); // "Default": none stored, not the lowest size
    EXPECT_EQ(d.get(keys::menuBarTextSize), std::nullopt);
    EXPECT_EQ(size->text(), QStringLiteral("Default"));

    EXPECT_EQ(views::storedColourText(QColor(255, 0, 16, 128)), QStringLiteral("#ff001080"));

    auto* row = window.row(keys::hourlyChimeTimeRange.name);
    row->editor()->findChildren<QTimeEdit*>().front()->setTime(QTime(8, 30));
    EXPECT_EQ(d.get(keys::hourlyChimeTimeRange),
              (settings::PlainHourMinuteTimeRange{{8, 30}, {22, 0}}));

    // Monday is the first box whatever the locale's first day.
    window.row(keys::highlightedDaysInCalendar.name)
        ->editor()
        ->findChildren<QCheckBox*>()
        .front()
        ->click();
    EXPECT_EQ(d.get(keys::highlightedDaysInCalendar),
              settings::DayOfWeekSet{settings::DayOfWeek::monday});

    // A calendar that is away (its folder unplugged) stays chosen when others change.
    d.set(keys::enabledCalendars,
          settings::StringSet{QStringLiteral("gone"), QStringLiteral("work")});
    auto* list = editorOf<views::CalendarChecklist>(keys::enabledCalendars.name);
    QTreeWidgetItem* folder = list->topLevelItem(0);
    ASSERT_EQ(folder->childCount(), 2);
    EXPECT_EQ(folder->child(0)->checkState(0), Qt::Checked);
    folder->child(0)->setCheckState(0, Qt::Unchecked);
    list->topLevelItem(1)->child(0)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(d.get(keys::enabledCalendars),
              (settings::StringSet{QStringLiteral("gone"), QStringLiteral("team")}));
}

} // namespace
