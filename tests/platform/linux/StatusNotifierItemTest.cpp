// SPDX-License-Identifier: GPL-3.0-or-later
// The clock item on a private bus, seen by a panel of the test's own: a minimal
// StatusNotifierWatcher takes the registration, then the "panel" reads the item's
// properties, its menu and clicks it, as the hosts do.
#include "PrivateBus.h"
#include "TestSupport.h"
#include "platform/linux/DBusMenuTypes.h"
#include "platform/linux/SniStatusItem.h"
#include "platform/linux/SniTypes.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

class TestWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems MEMBER items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    QStringList items;
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service) { items << service; }
    void RegisterStatusNotifierHost(const QString&) {}
};

// The panel side: a watcher on `bus` under the well-known name.
QDBusConnection startPanel(test::PrivateBus& bus, TestWatcher& watcher, const QString& name) {
    QDBusConnection panel = bus.connect(name);
    if (!panel.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                              QDBusConnection::ExportAllContents) ||
        !panel.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")))
        ADD_FAILURE() << "cannot register the watcher";
    return panel;
}

class SizePainter final : public platform::StatusIconPainter {
public:
    QImage paint(const platform::StatusItemContent& content, bool withText, bool,
                 double ratio) const override {
        const int width = withText ? 22 + 8 * content.title.size() : 22;
        QImage image(QSize(width, 22) * ratio, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        return image;
    }
    QImage paintSquare(const platform::StatusItemContent&, int pixels, bool) const override {
        QImage image(pixels, pixels, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        return image;
    }
};

// The item lives in this thread: calls to it must let the event loop run while they wait.
QDBusMessage callAndWait(QDBusConnection& bus, const QString& service, const QString& path,
                         const QString& interface, const QString& method,
                         const QVariantList& arguments) {
    auto call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    QDBusPendingCall pending = bus.asyncCall(call);
    test::processEventsUntil([&] { return pending.isFinished(); });
    return pending.reply();
}

QVariant property(QDBusConnection& bus, const QString& service, const QString& path,
                  const QString& interface, const QString& name) {
    const QDBusMessage reply =
        callAndWait(bus, service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                    QStringLiteral("Get"), {interface, name});
    if (reply.type() != QDBusMessage::ReplyMessage) {
        ADD_FAILURE() << name.toStdString() << ": " << reply.errorMessage().toStdString();
        return {};
    }
    return reply.arguments().at(0).value<QDBusVariant>().variant();
}

class LabelListener : public QObject {
    Q_OBJECT
public:
    QStringList labels;
public Q_SLOTS:
    void onNewLabel(const QString& label, const QString&) { labels << label; }
};

int itemsWithoutWatcher = 0;

void countItemsWithoutWatcher(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("no StatusNotifierWatcher took the item")))
        ++itemsWithoutWatcher;
}

} // namespace

TEST(SniStatusItem, PanelReadsLabelTitleMenuAndClicksTheItem) {
    test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning());
    TestWatcher watcher;
    QDBusConnection panel = startPanel(bus, watcher, QStringLiteral("panel"));

    SizePainter painter;
    platform::SniStatusItem item({QStringLiteral("ruvo-clock"), bus.address(), true}, painter);
    std::vector<platform::ActivationEvent> clicks;
    QStringList chosen;
    item.onActivated([&](const platform::ActivationEvent& e) { clicks.push_back(e); });
    item.onMenuEntryChosen([&](const QString& id) { chosen << id; });
    item.setMenu({{QStringLiteral("join"), QStringLiteral("Join Q_4 <b>review</b>")},
                  {QStringLiteral("open"), QStringLiteral("Open Ruvo")},
                  {QString(), QString()},
                  {QStringLiteral("quit"), QStringLiteral("Quit Ruvo")}});
    platform::StatusItemContent content;
    content.title = QStringLiteral("Fri 9:41");
    content.toolTip = QStringLiteral("Friday 4 December 2026");
    item.setContent(content);

    ASSERT_TRUE(test::processEventsUntil([&] { return item.isShownByHost(); }));
    ASSERT_EQ(watcher.items, QStringList{item.serviceName()});
    const QString service = watcher.items.front();
    const QString path = QStringLiteral("/StatusNotifierItem");
    const QString sni = QStringLiteral("org.kde.StatusNotifierItem");
    const auto read = [&](const char* name) {
        return property(panel, service, path, sni, QLatin1String(name));
    };

    EXPECT_EQ(read("XAyatanaLabel").toString(), QStringLiteral("Fri 9:41"));
    EXPECT_EQ(read("XAyatanaLabelGuide").toString(), QStringLiteral("Fri 0:00"));
    EXPECT_EQ(read("Status").toString(), QStringLiteral("Active"));
    const auto pixmaps = qdbus_cast<platform::SniPixmapList>(read("IconPixmap"));
    ASSERT_EQ(pixmaps.size(), 2);
    EXPECT_EQ(pixmaps[0].width, 22 + 8 * 8); // the text is drawn into the icon
    EXPECT_EQ(pixmaps[0].data.size(), pixmaps[0].width * pixmaps[0].height * 4);

    // A new text: the label signal carries it.
    LabelListener listener;
    ASSERT_TRUE(panel.connect(service, path, sni, QStringLiteral("XAyatanaNewLabel"), &listener,
                              SLOT(onNewLabel(QString, QString))));
    content.title = QStringLiteral("Fri 9:42");
    item.setContent(content);
    ASSERT_TRUE(test::processEventsUntil([&] { return listener.labels.size() == 1; }));
    EXPECT_EQ(listener.labels.front(), QStringLiteral("Fri 9:42"));

    // With a square text the icon is square, at every tray size, instead of a strip.
    content.squareText = QStringList{QStringLiteral("9"), QStringLiteral("42")};
    item.setContent(content);
    const auto squares = qdbus_cast<platform::SniPixmapList>(read("IconPixmap"));
    ASSERT_EQ(squares.size(), std::size(platform::kSquareIconSizes));
    for (qsizetype i = 0; i < squares.size(); ++i) {
        EXPECT_EQ(squares[i].width, platform::kSquareIconSizes[i]);
        EXPECT_EQ(squares[i].height, squares[i].width);
    }

    // The menu, as a panel lays it out.
    const QString menuPath = QStringLiteral("/MenuBar");
    const QString dbusmenu = QStringLiteral("com.canonical.dbusmenu");
    QDBusMessage layout = callAndWait(panel, service, menuPath, dbusmenu,
                                      QStringLiteral("GetLayout"), {0, -1, QStringList()});
    ASSERT_EQ(layout.type(), QDBusMessage::ReplyMessage) << layout.errorMessage().toStdString();
    platform::DBusMenuLayoutItem root;
    layout.arguments().at(1).value<QDBusArgument>() >> root;
    ASSERT_EQ(root.children.size(), 4);
    // Plain text: the "_" is doubled so that it is not taken for an access key.
    EXPECT_EQ(root.children[0].properties.value(QStringLiteral("label")).toString(),
              QStringLiteral("Join Q__4 <b>review</b>"));
    EXPECT_EQ(root.children[1].properties.value(QStringLiteral("label")).toString(),
              QStringLiteral("Open Ruvo"));
    EXPECT_EQ(root.children[2].properties.value(QStringLiteral("type")).toString(),
              QStringLiteral("separator"));
    callAndWait(panel, service, menuPath, dbusmenu, QStringLiteral("Event"),
                {4, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(QString())), 0u});

    callAndWait(panel, service, path, sni, QStringLiteral("Activate"), {640, 12});
    // A panel that knows no position.
    callAndWait(panel, service, path, sni, QStringLiteral("Activate"), {0, 0});
    ASSERT_TRUE(test::processEventsUntil([&] { return clicks.size() == 2 && !chosen.isEmpty(); }));
    EXPECT_EQ(clicks[0].screenPosition, QPoint(640, 12));
    EXPECT_EQ(clicks[1].screenPosition, std::nullopt);
    EXPECT_EQ(chosen, QStringList{QStringLiteral("quit")});

    item.setVisible(false);
    EXPECT_EQ(read("Status").toString(), QStringLiteral("Passive"));
}

// Items wait for a watcher that starts later; two items of one process are separate entries.
TEST(SniStatusItem, SeveralItemsWaitForALateWatcher) {
    test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning());
    SizePainter painter;
    itemsWithoutWatcher = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countItemsWithoutWatcher);
    platform::SniStatusItem clock({QStringLiteral("ruvo-clock"), bus.address(), false}, painter);
    platform::SniStatusItem meeting({QStringLiteral("ruvo-upcoming-event"), bus.address(), false},
                                    painter);
    // Both look for a watcher and find none; each says so in the log.
    ASSERT_TRUE(test::processEventsUntil([] { return itemsWithoutWatcher == 2; }));
    qInstallMessageHandler(previous);
    EXPECT_FALSE(clock.isShownByHost());

    TestWatcher watcher;
    QDBusConnection panel = startPanel(bus, watcher, QStringLiteral("late-panel"));
    ASSERT_TRUE(
        test::processEventsUntil([&] { return clock.isShownByHost() && meeting.isShownByHost(); }));
    ASSERT_EQ(watcher.items.size(), 2);
    for (const QString& service : watcher.items) {
        const QString id =
            property(panel, service, QStringLiteral("/StatusNotifierItem"),
                     QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Id"))
                .toString();
        EXPECT_EQ(id, service == clock.serviceName() ? QStringLiteral("ruvo-clock")
                                                     : QStringLiteral("ruvo-upcoming-event"));
    }
    EXPECT_NE(watcher.items[0], watcher.items[1]);
}

TEST(SniStatusItem, LabelOnlyWherePanelsShowIt) {
    struct Row {
        const char* desktop;
        bool label;
    };
    const Row rows[] = {{"GNOME", true}, {"ubuntu:GNOME", true}, {"KDE", false}, {"", false}};
    for (const Row& row : rows)
        EXPECT_EQ(platform::panelShowsLabel(QString::fromLatin1(row.desktop)), row.label)
            << row.desktop;
}

#include "StatusNotifierItemTest.moc"
