// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QTcpServer>

// A scripted HTTP/1.1 server on 127.0.0.1 for the download tests: each
// path answers as its route says, one request per connection.
class HttpTestServer : public QObject {
    Q_OBJECT
public:
    enum class Behaviour {
        Answer,       // the whole response
        CloseMidBody, // headers promise the body, half of it comes, then the connection closes
        Stall,        // accepts and never answers
        Reset,        // reads the request, then resets the connection
    };

    using Headers = QList<QPair<QByteArray, QByteArray>>;

    struct Route {
        Route(int status = 200, QByteArray body = {}, Headers headers = {},
              Behaviour behaviour = Behaviour::Answer)
            : status(status), body(std::move(body)), headers(std::move(headers)),
              behaviour(behaviour)
        {
        }

        int status;
        QByteArray body;
        Headers headers;
        Behaviour behaviour;
        QByteArray etag; // answers 304 when the request already holds it
    };

    HttpTestServer();

    QString url(const QString& path) const;
    void route(const QString& path, const Route& route);

    // Raw heads of the requests received, in order.
    QList<QByteArray> requests;

private:
    void onConnection();
    void answer(class QTcpSocket* socket, const QByteArray& head);

    QTcpServer m_server;
    QMap<QString, Route> m_routes;
};
