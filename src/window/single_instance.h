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
// bring its window to the front or to open its settings window.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // `directory` empty: the user's runtime directory.
    explicit SingleInstance(const QString& directory = {});
    ~SingleInstance() override;

    // Whether this is the only copy; holds the lock and listens while this
    // object lives.
    bool acquire();

    // What a later copy asks the running one for.
    enum class Request { Show, Settings };

    // From a later copy: asks the running one to bring its window to the
    // front, or to open its settings window. False when it did not answer
    // within a second.
    bool activateRunning(Request request = Request::Show);

signals:
    // A later copy asked for the window.
    void activationRequested();
    // A later copy asked for the settings window.
    void settingsRequested();

private:
    void answer();

    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
