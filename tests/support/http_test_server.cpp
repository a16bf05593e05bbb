// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/http_test_server.h"

#include <QTcpSocket>

#include <sys/socket.h>

namespace {

QByteArray headerValue(const QByteArray& head, const QByteArray& name)
{
    for (const QByteArray& line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

} // namespace

HttpTestServer::HttpTestServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpTestServer::onConnection);
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("test server cannot listen");
}

QString HttpTestServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void HttpTestServer::route(const QString& path, const Route& route)
{
    m_routes[path] = route;
}

void HttpTestServer::onConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto* buffer = new QByteArray;
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, [buffer] { delete buffer; });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray head = buffer->left(end);
            buffer->clear();
            requests.append(head);
            answer(socket, head);
        });
    }
}

void HttpTestServer::answer(QTcpSocket* socket, const QByteArray& head)
{
    const QString path = QString::fromLatin1(head.split(' ').value(1));
    const Route route =
        m_routes.value(path, Route{404, "<html><title>404 Not Found</title></html>"});
    if (route.behaviour == Behaviour::Stall)
        return;
    if (route.behaviour == Behaviour::Reset) {
        // A zero linger time makes the close send a reset instead of a FIN.
        const linger reset{1, 0};
        ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        socket->abort();
        return;
    }

    const bool notModified =
        !route.etag.isEmpty() && headerValue(head, "If-None-Match") == route.etag;
    const QByteArray body = notModified ? QByteArray() : route.body;
    QByteArray response = "HTTP/1.1 " + QByteArray::number(notModified ? 304 : route.status) +
                          " Scripted\r\nConnection: close\r\n";
    if (!notModified)
        response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    if (!route.etag.isEmpty())
        response += "ETag: " + route.etag + "\r\n";
    for (const auto& [name, value] : route.headers)
        response += name + ": " + value + "\r\n";
    response += "\r\n";

    if (route.behaviour == Behaviour::CloseMidBody) {
        socket->write(response + body.left(body.size() / 2));
        socket->flush();
        socket->abort();
        return;
    }
    socket->write(response + body);
    socket->disconnectFromHost();
}
