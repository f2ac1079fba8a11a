// SPDX-License-Identifier: GPL-3.0-or-later
// The world-clock section, the floating clock and the time-zone screens on the offscreen platform.
#include "TestSupport.h"
#include "kit/VirtualScheduler.h"
#include "platform/fake/FakeSystemDateEvents.h"
#include "settings/Keys.h"
#include "settings/SettingsFiles.h"
#include "timezones/TimeZoneSearch.h"
#include "views/timezones/AddTimeZoneScreen.h"
#include "views/timezones/EditTimeZoneScreen.h"
#include "views/timezones/FloatingClockWindow.h"
#include "views/timezones/TimeZoneRowView.h"
#include "views/timezones/TimeZonesSettings.h"
#include "views/timezones/WorldClockListView.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace ruvo;
using settings::ChosenTimeZone;
namespace keys = settings::keys;

namespace {

const kit::Environment kNewYork{QStringLiteral("en_US"), QStringLiteral("America/New_York")};

ChosenTimeZone entry(const char* zone, std::optional<QString> name = std::nullopt) {
    return ChosenTimeZone::make(QUuid::createUuid(),
                                *settings::ZuTimeZone::make(QLatin1String(zone)), name);
}

// Saves the picture for people to look at and tells whether it shows anything.
bool saveScreenshot(QWidget& widget, const QString& name) {
    QCoreApplication::processEvents(); // pending layout requests
    const QImage image = widget.grab().toImage();
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    image.save(folder + QLatin1Char('/') + name);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return colours.size() > 8; // text and symbols, not a blank area
}

QStringList texts(QWidget& widget) {
    QStringList out;
    for (QLabel* label : widget.findChildren<QLabel*>())
        if (label->isVisibleTo(&widget) && !label->text().isEmpty())
            out << label->text();
    return out;
}

struct WorldClockFixture {
    std::unique_ptr<settings::SettingsFiles> files = settings::SettingsFiles::inMemory();
    kit::VirtualScheduler scheduler{test::at("2026-12-04T14:23:40-05:00")};
    platform::FakeSystemDateEvents dateEvents;
    menubar::ClockTicks ticks{scheduler, dateEvents};
    timezones::TimeZoneOffset offset;
    kit::ObservableValue<QDate> selectedDate{QDate(2026, 12, 4)};
    kit::ObservableValue<std::optional<QUuid>> openedFrom;
    timezones::TimeTravelWelcome welcome{files->defaults()};
    timezones::PlaceList places;
    kit::Environment environment = kNewYork; // what the system says now

    std::function<kit::Environment()> currentEnvironment() {
        return [this] { return environment; };
    }
    views::WorldClockContext context() {
        return {files->defaults(), scheduler,   ticks, currentEnvironment(), offset, selectedDate,
                welcome,           &openedFrom, {}};
    }
};

} // namespace

TEST(WorldClockListView, RowsTravelAndShowHiddenEntries) {
    WorldClockFixture f;
    auto home = entry("America/New_York", QStringLiteral("Home"));
    home.hide = ChosenTimeZone::Hide::sameTimeZone;
    const auto bengaluru = entry("Asia/Kolkata", QStringLiteral("Bengaluru team"));
    f.files->defaults().set(keys::timeZonesInMenu,
                            {home, bengaluru, entry("Asia/Kathmandu"), entry("Pacific/Kiritimati"),
                             entry("Pacific/Pago_Pago")});
    views::WorldClockListView view(f.context());
    view.resize(340, 330);
    view.show();
    QApplication::setActiveWindow(&view);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));

    EXPECT_EQ(view.findChildren<views::TimeZoneRowView*>().size(), 4); // "Home" hides itself
    EXPECT_TRUE(texts(view).contains(QStringLiteral("12:53\u202FAM")));
    // Opened from the Bengaluru clock in the panel: that row alone is marked.
    f.openedFrom.set(bengaluru.id);
    QStringList marked;
    for (auto* row : view.findChildren<views::TimeZoneRowView*>())
        if (row->isMarked())
            marked << row->entryId().toString();
    EXPECT_EQ(marked, QStringList{bengaluru.id.toString()});
    f.openedFrom.set(std::nullopt);
    EXPECT_TRUE(saveScreenshot(view, QStringLiteral("world-clock.png")));

    auto* slider = view.findChild<QSlider*>();
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right, Qt::ControlModifier); // starts at the next hour
    EXPECT_EQ(f.offset.value(), 0);
    QTest::keyClick(slider, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(f.offset.value(), 3600);
    EXPECT_EQ(view.findChildren<views::TimeZoneRowView*>().size(), 5); // travelling shows all
    EXPECT_TRUE(texts(view).contains(QStringLiteral("4:00\u202FPM")));
    EXPECT_TRUE(texts(view).contains(QStringLiteral("+1h 37m")));
    EXPECT_TRUE(saveScreenshot(view, QStringLiteral("world-clock-travelling.png")));

    f.scheduler.advance(std::chrono::minutes(37)); // 15:00:40: the next hour is 17:00
    EXPECT_TRUE(texts(view).contains(QStringLiteral("5:00\u202FPM")));
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(f.offset.isTravelling());
    EXPECT_EQ(view.findChildren<views::TimeZoneRowView*>().size(), 4);

    f.offset.set(7200, false);
    f.files->defaults().set(keys::showTimeZoneTimeTravelSliderInMenu, false); // ends travelling
    EXPECT_FALSE(f.offset.isTravelling());
}

// The month calendar's Ctrl+Left/Right live in the same window as the slider: one owner per
// key press, never both (Qt fires neither of two shortcuts for one key).
TEST(WorldClockListView, TheFocusedSliderOwnsTheArrowKeys) {
    struct Row {
        bool isSliderFocused;
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        std::optional<qint64> offset; // the time travel after the key
        int pagedMonths;              // the calendar's shortcut fired
    };
    const Row rows[] = {
        {true, Qt::ControlModifier, Qt::Key_Right, 5400, 0},
        {true, Qt::NoModifier, Qt::Key_Right, 5400, 0},
        {true, Qt::AltModifier, Qt::Key_Left, 900, 0}, // 15 minutes
        {false, Qt::ControlModifier, Qt::Key_Right, std::nullopt, 1},
        {true, Qt::ControlModifier | Qt::AltModifier, Qt::Key_Right, std::nullopt, 0}, // desktop's
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.isSliderFocused << int(row.modifiers));
        WorldClockFixture f;
        f.files->defaults().set(keys::timeZonesInMenu, {entry("Asia/Kolkata")});
        f.offset.set(1800, false); // travelling already: the next step is a whole one
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* other = new QPushButton(QStringLiteral("month"), &window);
        layout->addWidget(other);
        layout->addWidget(new views::WorldClockListView(f.context(), &window));
        int paged = 0;
        auto* calendarKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), &window);
        QObject::connect(calendarKey, &QShortcut::activated, [&paged] { ++paged; });
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QWidget* target =
            row.isSliderFocused ? static_cast<QWidget*>(window.findChild<QSlider*>()) : other;
        target->setFocus();
        QTest::keyClick(target, row.key, row.modifiers);
        EXPECT_EQ(paged, row.pagedMonths);
        EXPECT_EQ(f.offset.value(), row.offset ? *row.offset : 1800);
    }
}

TEST(FloatingClock, ShowsTheLocalTimeAndHides) {
    WorldClockFixture f;
    const auto& defaults = f.files->defaults();
    views::FloatingClockController controller(defaults, f.scheduler, f.ticks,
                                              f.currentEnvironment());
    EXPECT_EQ(controller.window(), nullptr);
    defaults.set(keys::floatingClockIsEnabled, true);
    views::FloatingClockWindow* window = controller.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(texts(*window).contains(QStringLiteral("2:23\u202FPM")));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(saveScreenshot(*window, QStringLiteral("floating-clock.png")));

    f.scheduler.advance(std::chrono::seconds(20)); // the minute turns
    EXPECT_TRUE(texts(*window).contains(QStringLiteral("2:24\u202FPM")));
    // Waking from three hours of sleep shows the new time at once, not at the next minute.
    f.scheduler.jumpWallClock(std::chrono::hours(3));
    f.dateEvents.send(platform::DateEvent::wake);
    EXPECT_TRUE(texts(*window).contains(QStringLiteral("5:24\u202FPM")));

    defaults.set(keys::floatingClock_show, settings::FloatingClockShow::onDesktopBackground);
    defaults.set(keys::floatingClockShowBackground, false);
    defaults.set(keys::floatingClockColor,
                 settings::OptionalColor(settings::Rgba{0xD0, 0x30, 0x30, 0xFF}));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnBottomHint);
    EXPECT_TRUE(saveScreenshot(*window, QStringLiteral("floating-clock-plain.png")));

    window->findChild<QToolButton*>()->click(); // "Hide"
    EXPECT_FALSE(defaults.get(keys::floatingClockIsEnabled));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(controller.window(), nullptr);
}

// The system zone or locale changes while both clocks are open: the next date event shows
// the new local time and offsets, without waiting for the minute to turn.
TEST(WorldClock, ZoneAndLocaleChangesReachTheListAndTheFloatingClock) {
    struct Row {
        const char* zone;
        const char* locale;
        platform::DateEvent event;
        const char* floating;  // the floating clock's time
        const char* kolkataTo; // Kolkata's offset to local time in the list
    };
    const Row rows[] = {
        {"Europe/Berlin", "en_US", platform::DateEvent::timeZoneChanged, "8:23\u202FPM", "+4h 30m"},
        {"Asia/Kolkata", "en_US", platform::DateEvent::timeZoneChanged, "12:53\u202FAM", ""},
        {"America/New_York", "de_DE", platform::DateEvent::localeChanged, "14:23",
         "+10 Std., 30 Min."},
        // Kathmandu's quarter hour, and a zone that is past midnight already.
        {"Asia/Kathmandu", "en_GB", platform::DateEvent::timeZoneChanged, "01:08", "-15m"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.zone);
        WorldClockFixture f;
        f.files->defaults().set(keys::timeZonesInMenu, {entry("Asia/Kolkata")});
        f.files->defaults().set(keys::floatingClockIsEnabled, true);
        views::WorldClockListView list(f.context());
        list.show();
        views::FloatingClockController floating(f.files->defaults(), f.scheduler, f.ticks,
                                                f.currentEnvironment());
        ASSERT_NE(floating.window(), nullptr);
        f.environment = {QString::fromLatin1(row.locale), QString::fromLatin1(row.zone)};
        f.dateEvents.send(row.event);
        EXPECT_TRUE(texts(*floating.window()).contains(QString::fromUtf8(row.floating)))
            << qPrintable(texts(*floating.window()).join(QLatin1Char('|')));
        if (*row.kolkataTo) {
            EXPECT_TRUE(texts(list).contains(QString::fromUtf8(row.kolkataTo)))
                << qPrintable(texts(list).join(QLatin1Char('|')));
        }
    }
}

TEST(TimeZoneScreens, AddEditAndReorder) {
    WorldClockFixture f;
    const auto& defaults = f.files->defaults();
    views::AddTimeZoneScreen add(defaults, f.scheduler, f.places);
    std::optional<ChosenTimeZone> added;
    QObject::connect(&add, &views::AddTimeZoneScreen::entryAdded,
                     [&](const ChosenTimeZone& e) { added = e; });
    add.show();
    add.setSearchText(QStringLiteral("x"));
    EXPECT_EQ(add.resultCount(), 0);
    EXPECT_TRUE(texts(add).contains(QStringLiteral("Search by city, country, or time zone")));
    add.setSearchText(QStringLiteral("qqxzv"));
    EXPECT_TRUE(texts(add).contains(QStringLiteral("No Results")));
    add.setSearchText(QStringLiteral("Pacific Time"));
    ASSERT_GT(add.resultCount(), 0);
    for (QPushButton* b : add.findChildren<QPushButton*>())
        if (b->text() == QLatin1String("Add"))
            b->click();
    QCoreApplication::processEvents(); // the entry is handed on after the sheet closed
    ASSERT_TRUE(added);
    EXPECT_EQ(added->name, QStringLiteral("Pacific Time"));
    EXPECT_EQ(defaults.get(keys::timeZonesInMenu).size(), 1u);

    views::EditTimeZoneScreen edit(defaults, added->id);
    auto* name = edit.findChild<QLineEdit*>();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("West coast"));
    EXPECT_EQ(defaults.get(keys::timeZonesInMenu)[0].name, QStringLiteral("West coast"));
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("  "));
    EXPECT_EQ(defaults.get(keys::timeZonesInMenu)[0].name,
              QStringLiteral("Pacific Time — PT (PST/PDT)")); // the original name is back
    edit.findChildren<QCheckBox*>().first()->click();         // "Show in menu"
    EXPECT_FALSE(defaults.get(keys::timeZonesInMenu)[0].showInMenu);

    timezones::appendTimeZone(defaults, entry("Asia/Tokyo"));
    views::TimeZonesSettings pane(defaults, f.scheduler, f.places);
    ASSERT_EQ(pane.list()->count(), 2);
    pane.list()->insertItem(0, pane.list()->takeItem(1)); // dragged to the top
    pane.storeOrder();
    EXPECT_EQ(defaults.get(keys::timeZonesInMenu)[0].timeZone.identifier,
              QStringLiteral("Asia/Tokyo"));
    // The keyboard's way back; the selection follows, and the last entry goes no further.
    pane.list()->setCurrentRow(0);
    QTest::keyClick(pane.list(), Qt::Key_Down, Qt::AltModifier);
    QTest::keyClick(pane.list(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(defaults.get(keys::timeZonesInMenu)[1].timeZone.identifier,
              QStringLiteral("Asia/Tokyo"));
    EXPECT_EQ(pane.list()->currentRow(), 1);
}
