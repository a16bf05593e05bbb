// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/single_instance.h"

#include <QDir>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr int kAnswerTimeoutMs = 1000;
constexpr char kRequest[] = "show\n";
constexpr char kSettingsRequest[] = "settings\n";
constexpr char kAnswer[] = "shown\n";

} // namespace

SingleInstance::SingleInstance(const QString& directory)
{
    QString dir = directory;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(dir + QStringLiteral("/ondrel.lock"));
    // Only a lock whose process is gone counts as stale, however old.
    m_lock->setStaleLockTime(0);
    m_socketPath = dir + QStringLiteral("/ondrel.socket");
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    if (!m_lock->tryLock(0))
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
    // With the lock ours, a socket file there is a crashed copy's.
    QLocalServer::removeServer(m_socketPath);
    m_server->listen(m_socketPath);
    return true;
}

void SingleInstance::answer()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray request = socket->readLine();
            if (request == kRequest || request == kSettingsRequest) {
                if (request == kRequest)
                    emit activationRequested();
                else
                    emit settingsRequested();
                socket->write(kAnswer);
            }
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::activateRunning(Request request)
{
    QLocalSocket socket;
    QEventLoop loop;
    bool answered = false;
    connect(&socket, &QLocalSocket::connected, &loop, [&socket, request] {
        socket.write(request == Request::Settings ? kSettingsRequest : kRequest);
    });
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        if (!socket.canReadLine())
            return;
        answered = socket.readLine() == kAnswer;
        loop.quit();
    });
    connect(&socket, &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kAnswerTimeoutMs, &loop, &QEventLoop::quit);
    socket.connectToServer(m_socketPath);
    if (socket.state() != QLocalSocket::UnconnectedState)
        loop.exec();
    return answered;
}
