// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/page_urls.h"

QString defaultPageBase()
{
    return QStringLiteral("http://") + QLatin1String(kProviderHost);
}

std::array<QString, 6> pageUrls(const QString& base)
{
    static const char* const paths[] = {
        "/ISDJ/ionospheric-alert.html",      "/ionog/ionogram/nowpng/allsite.html",
        "/ionog/ionogram/nowpng/wk546.html", "/ionog/ionogram/nowpng/to536.html",
        "/ionog/ionogram/nowpng/yg431.html", "/ionog/ionogram/nowpng/ok426.html",
    };
    std::array<QString, 6> urls;
    for (size_t i = 0; i < urls.size(); ++i)
        urls[i] = base + QLatin1String(paths[i]);
    return urls;
}
