// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// One running copy per user: a lock file in the user's runtime directory.
// A lock left by a copy that crashed is taken over. The running copy
// listens on a local socket beside the lock, so a later copy can ask it to
// bring its window to the front.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // `directory` empty: the user's runtime directory.
    explicit SingleInstance(const QString& directory = {});
    ~SingleInstance() override;

    // Whether this is the only copy; holds the lock and listens while this
    // object lives.
    bool acquire();

    // From a later copy: asks the running one to bring its window to the
    // front. False when it did not answer within a second.
    bool activateRunning();

signals:
    // A later copy asked for the window.
    void activationRequested();

private:
    void answer();

    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
