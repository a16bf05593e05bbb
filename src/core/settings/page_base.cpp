// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/page_base.h"

#include "core/page/page_urls.h"
#include "core/settings/stored_settings.h"

#include <QRegularExpression>
#include <QUrl>

#include <cstdio>

namespace {

// "name:" not followed by a port number: the text names its own scheme.
bool namesAScheme(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d)"));
    return scheme.match(text).hasMatch();
}

bool isPageBase(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty() &&
           !url.hasQuery() && !url.hasFragment();
}

} // namespace

PageBase pageBaseFor(const QString& text)
{
    if (text.isEmpty())
        return {defaultPageBase(), {}};
    QString address = namesAScheme(text) ? text : QStringLiteral("http://") + text;
    while (address.endsWith(u'/'))
        address.chop(1);
    static const QRegularExpression blank(QStringLiteral("\\s"));
    if (!address.contains(blank) && isPageBase(address))
        return {address, {}};
    return {defaultPageBase(), QStringLiteral("ESHost \"%1\" is not an http or https address; "
                                              "using %2")
                                   .arg(text, defaultPageBase())};
}

QString storedPageBase(SettingsStore& settings, const std::function<void(const QString&)>& report)
{
    const PageBase page =
        pageBaseFor(storedText(settings, QStringLiteral("ESHost")).value_or(QString()));
    if (!page.problem.isEmpty()) {
        if (report)
            report(page.problem);
        else
            std::fprintf(stderr, "ondrel: %s\n", page.problem.toLocal8Bit().constData());
    }
    return page.base;
}
