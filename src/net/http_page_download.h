// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/refresh/page_download.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>

class QNetworkReply;

// The fetch control over HTTP: one QNetworkAccessManager for the program,
// one download at a time, redirects followed but never from https to
// http, a time-out without progress, a cap on the body size, and
// conditional requests for the page last accepted.
class HttpPageDownload : public QObject, public PageDownload {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 60000;
    static constexpr qint64 kDefaultMaxBodyBytes = 4 * 1024 * 1024;

    explicit HttpPageDownload(QObject* parent = nullptr);
    ~HttpPageDownload() override;

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    void setMaxBodyBytes(qint64 bytes) { m_maxBodyBytes = bytes; }

    void get(const QString& url, Finished finished) override;
    bool busy() const override { return !m_reply.isNull(); }
    void Cancel() override;
    void keepAccepted() override;

    // The last finished transfer: its HTTP status, if a response came, and
    // why no body came, empty when one did.
    std::optional<int> lastHttpStatus() const { return m_lastHttpStatus; }
    QString lastError() const { return m_lastError; }

private:
    struct Page {
        QString url;
        QByteArray body;
        QByteArray etag;
        QByteArray lastModified;
    };

    void onReadyRead();
    void onFinished();

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    Finished m_finished;
    int m_timeoutMs = kDefaultTimeoutMs;
    qint64 m_maxBodyBytes = kDefaultMaxBodyBytes;
    bool m_tooLarge = false;
    std::optional<int> m_lastHttpStatus;
    QString m_lastError;
    QString m_requestedUrl;
    Page m_delivered;
    Page m_accepted;
};
