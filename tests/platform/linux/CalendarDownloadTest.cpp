// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/CalendarDownload.h"

#include "TestSupport.h"

#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace ruvo;

namespace {

const QByteArray kCalendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n";

// A web server on the loopback interface that answers each path as the table says.
class TestServer {
public:
    TestServer() {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket] { answer(socket); });
        });
    }

    QUrl url(const char* path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2")
                        .arg(m_server.serverPort())
                        .arg(QString::fromLatin1(path)));
    }

private:
    static QByteArray response(const QByteArray& status, const QByteArray& headers,
                               const QByteArray& body) {
        return "HTTP/1.1 " + status + "\r\n" + headers +
               "Content-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    }

    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->readAll();
        const QByteArray path = request.split(' ').value(1);
        if (path == "/ok")
            socket->write(response("200 OK", "", kCalendar));
        else if (path == "/big")
            socket->write(response("200 OK", "", QByteArray(5000, 'x')));
        else if (path == "/to-ok")
            socket->write(response("302 Found", "Location: /ok\r\n", ""));
        else if (path == "/to-file")
            socket->write(response("302 Found", "Location: file:///etc/passwd\r\n", ""));
        else if (path == "/loop")
            socket->write(response("302 Found", "Location: /loop\r\n", ""));
        else
            socket->write(response("404 Not Found", "", "gone"));
        socket->disconnectFromHost();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    QTcpServer m_server;
};

TEST(CalendarDownloadTest, fetchesOnlyWithinItsBounds) {
    TestServer server;
    QNetworkAccessManager network;
    struct Case {
        QUrl url;
        bool isFetched;
    };
    const Case cases[] = {
        {server.url("/ok"), true},       {server.url("/to-ok"), true},
        {server.url("/big"), false},     // past the size limit
        {server.url("/to-file"), false}, // a redirect away from the web
        {server.url("/loop"), false},    // past the redirect limit
        {server.url("/missing"), false}, {QUrl(QStringLiteral("file:///etc/passwd")), false},
    };
    for (const Case& c : cases) {
        std::optional<kit::Result<QByteArray>> result;
        platform::downloadCalendar(
            network, c.url, &network,
            [&](kit::Result<QByteArray> body) { result.emplace(std::move(body)); },
            {.maxBytes = 1000, .maxRedirects = 3, .stallTimeoutMs = 5000});
        ASSERT_TRUE(test::processEventsUntil([&] { return result.has_value(); }))
            << c.url.toString().toStdString();
        EXPECT_EQ(result->isOk(), c.isFetched) << c.url.toString().toStdString();
        if (c.isFetched && result->isOk()) {
            EXPECT_EQ(**result, kCalendar);
        }
    }
}

} // namespace
