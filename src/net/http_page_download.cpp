// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/http_page_download.h"

#include "core/version.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

// A reply that carries a response of the server, whatever its status,
// rather than a failure to talk to it.
bool hasServerResponse(const QNetworkReply& reply)
{
    if (!reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return false;
    const int error = reply.error();
    return error == QNetworkReply::NoError || (error >= 200 && error < 300) ||
           (error >= 400 && error < 500);
}

// Why a transfer of `url` brought no body.
FetchFailure failureCause(const QNetworkReply& reply, const QString& url, int timeoutMs)
{
    using enum FetchFailure::Cause;
    FetchFailure failure{Other, url};
    const QString scheme = reply.url().scheme();
    if (scheme != u"http" && scheme != u"https") {
        failure.cause = NotHttp;
        return failure;
    }
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        failure.cause = ConnectionRefused;
        break;
    case QNetworkReply::HostNotFoundError:
        failure.cause = HostNotFound;
        break;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer time-out aborts it
        failure.cause = TimedOut;
        failure.timeoutSeconds = timeoutMs / 1000.0;
        break;
    case QNetworkReply::SslHandshakeFailedError:
        failure.cause = Tls;
        failure.detail = reply.errorString();
        break;
    default:
        failure.detail = reply.errorString();
        break;
    }
    return failure;
}

} // namespace

HttpPageDownload::HttpPageDownload(QObject* parent) : QObject(parent) {}

HttpPageDownload::~HttpPageDownload()
{
    Cancel();
}

void HttpPageDownload::get(const QString& url, Finished finished)
{
    Cancel();
    m_finished = std::move(finished);
    m_tooLarge = false;

    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(m_timeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("Ondrel/" ONDREL_VERSION));
    // The provider asks for light access: the page is only sent again when
    // it changed. Another address (ESHost changed) is asked afresh.
    m_requestedUrl = url;
    if (m_accepted.url == url && !m_accepted.etag.isEmpty())
        request.setRawHeader("If-None-Match", m_accepted.etag);
    if (m_accepted.url == url && !m_accepted.lastModified.isEmpty())
        request.setRawHeader("If-Modified-Since", m_accepted.lastModified);

    m_reply = m_manager.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpPageDownload::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpPageDownload::onFinished);
}

void HttpPageDownload::Cancel()
{
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    m_finished = {};
}

void HttpPageDownload::keepAccepted()
{
    m_accepted = m_delivered;
}

void HttpPageDownload::onReadyRead()
{
    if (m_reply && m_reply->bytesAvailable() > m_maxBodyBytes) {
        m_tooLarge = true;
        m_reply->abort();
    }
}

void HttpPageDownload::onFinished()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    const Finished finished = std::exchange(m_finished, {});

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    m_lastHttpStatus = status.isValid() ? std::optional<int>(status.toInt()) : std::nullopt;
    m_lastError.clear();
    if (m_tooLarge) {
        FetchFailure failure{FetchFailure::Cause::TooLarge, m_requestedUrl};
        failure.maxBytes = m_maxBodyBytes;
        m_lastError = fetchFailureText(failure);
        finished({std::nullopt, false, failure});
        return;
    }
    if (!hasServerResponse(*reply)) {
        const FetchFailure failure = failureCause(*reply, m_requestedUrl, m_timeoutMs);
        m_lastError = fetchFailureText(failure);
        finished({std::nullopt, true, failure});
        return;
    }
    if (*m_lastHttpStatus == 304 && !m_accepted.body.isEmpty() &&
        m_accepted.url == m_requestedUrl) {
        m_delivered = m_accepted;
    } else {
        m_delivered = {m_requestedUrl, reply->readAll(), reply->rawHeader("ETag"),
                       reply->rawHeader("Last-Modified")};
    }
    std::optional<FetchFailure> failure;
    if (*m_lastHttpStatus >= 400) {
        failure = FetchFailure{FetchFailure::Cause::HttpStatus, m_requestedUrl};
        failure->httpStatus = *m_lastHttpStatus;
    }
    finished({m_delivered.body, false, failure});
}
