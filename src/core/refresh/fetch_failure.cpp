// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refresh/fetch_failure.h"

#include <QCoreApplication>
#include <QUrl>

namespace {

QString inWords(const char* text)
{
    return QCoreApplication::translate("FetchFailure", text);
}

QString causeInWords(const FetchFailure& failure)
{
    using enum FetchFailure::Cause;
    switch (failure.cause) {
    case ConnectionRefused:
        return inWords(QT_TRANSLATE_NOOP("FetchFailure", "接続を拒否されました"));
    case HostNotFound:
        return inWords(QT_TRANSLATE_NOOP("FetchFailure", "ホスト %1 が見つかりません"))
            .arg(failedHost(failure));
    case TimedOut:
        return inWords(QT_TRANSLATE_NOOP("FetchFailure", "時間切れです（%1 秒応答なし）"))
            .arg(failure.timeoutSeconds);
    case HttpStatus:
        return inWords(QT_TRANSLATE_NOOP("FetchFailure", "HTTP status %1 が返りました"))
            .arg(failure.httpStatus);
    case NotHttp:
        return inWords(
            QT_TRANSLATE_NOOP("FetchFailure", "http または https のアドレスではありません"));
    case TooLarge:
        return inWords(QT_TRANSLATE_NOOP("FetchFailure", "ページが %1 バイトを超えています"))
            .arg(failure.maxBytes);
    case Tls:
        return inWords(QT_TRANSLATE_NOOP("FetchFailure", "TLS のエラーです: %1"))
            .arg(failure.detail);
    case Other:
        break;
    }
    return failure.detail;
}

} // namespace

QString failedHost(const FetchFailure& failure)
{
    return QUrl(failure.url).host();
}

QString fetchFailureText(const FetchFailure& failure)
{
    using enum FetchFailure::Cause;
    switch (failure.cause) {
    case ConnectionRefused:
        return QStringLiteral("connection refused");
    case HostNotFound:
        return QStringLiteral("host %1 not found").arg(failedHost(failure));
    case TimedOut:
        return QStringLiteral("no answer within %1 s").arg(failure.timeoutSeconds);
    case HttpStatus:
        return QStringLiteral("HTTP %1").arg(failure.httpStatus);
    case NotHttp:
        return QStringLiteral("not an http or https address");
    case TooLarge:
        return QStringLiteral("the page is larger than %1 bytes").arg(failure.maxBytes);
    case Tls:
        return QStringLiteral("TLS error: ") + failure.detail;
    case Other:
        break;
    }
    return failure.detail;
}

QString fetchFailureExplanation(const FetchFailure& failure)
{
    return inWords(QT_TRANSLATE_NOOP(
                       "FetchFailure",
                       "%1 を読めませんでした: %2。\n"
                       "ページのアドレスは設定の「ページのアドレス」(ESHost) で変えられます"))
        .arg(failure.url, causeInWords(failure));
}
