// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_page.h"

#include "core/text/code_conv.h"

#include <QFile>

namespace testpage {

namespace {

const char16_t* const kNames[] = {u"稚内(北海道)", u"国分寺(東京)", u"山川(鹿児島)",
                                  u"大宜味(沖縄)"};
const char16_t* const kQuantities[] = {u"のＦ層臨界周波数は約", u"の電離層最低反射周波数は約",
                                       u"のスポラディックＥ層臨界周波数は約"};

} // namespace

QByteArray realisticBytes()
{
    QFile file(QStringLiteral(ONDREL_TEST_DATA "/alert-realistic.html"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test page");
    return file.readAll();
}

QString upperText(const QByteArray& body)
{
    CodeConv conv;
    return conv.sjisToText(conv.U16toSJIS(conv.U8toU16(body))).toUpper();
}

QString station(int k, const Readings& readings, bool withHeader, const QString& extra)
{
    QString text = QStringLiteral("<HR>\n<H3>");
    if (withHeader)
        text += QStringLiteral("== %1 ==").arg(QString::fromUtf16(kNames[k]));
    text += QStringLiteral("</H3><P>");
    for (int v = 0; v < 3; ++v) {
        if (!readings[v])
            continue;
        text +=
            QStringLiteral("◎現在<FONT COLOR='BLACK'>%1 %2 [MHZ]です。</FONT>　"
                           "<IMG SRC=\"./IMAGE/SIGNAL-%3.GIF\"><BR>\n")
                .arg(QString::fromUtf16(kQuantities[v]), readings[v]->value, readings[v]->signal);
    }
    return text + extra + QStringLiteral("</P>\n");
}

Readings quiet(int k)
{
    Readings readings;
    for (int v = 0; v < 3; ++v)
        readings[v] = Reading{QStringLiteral("%1.%2").arg(k).arg(v + 1), QStringLiteral("GREEN")};
    return readings;
}

QString page(const QString& time, const QString& sections)
{
    return QStringLiteral("<HTML><HEAD><TITLE>NICT IONOSPHERIC ALERT</TITLE></HEAD>\n<BODY>\n"
                          "<P>(%1)</P>\n%2</BODY>\n</HTML>\n")
        .arg(time, sections);
}

} // namespace testpage
