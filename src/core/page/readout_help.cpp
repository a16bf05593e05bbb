// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/readout_help.h"

#include "core/page/shown_readout.h"
#include "core/text/text_helpers.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>

namespace {

const QString kMark = QStringLiteral("◎");

bool isDigits(QStringView digits, int base)
{
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits) {
        const bool decimal = c >= u'0' && c <= u'9';
        const bool hex = (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
        if (!decimal && !(base == 16 && hex))
            return false;
    }
    return true;
}

// The character that the entity named `name` (between "&" and ";") stands
// for; a non-breaking space is a plain one, which every font has.
std::optional<char32_t> entityCharacter(QStringView name)
{
    static const struct {
        QLatin1String name;
        char32_t character;
    } kNamed[] = {{QLatin1String("NBSP"), U' '}, {QLatin1String("AMP"), U'&'},
                  {QLatin1String("LT"), U'<'},   {QLatin1String("GT"), U'>'},
                  {QLatin1String("QUOT"), U'"'}, {QLatin1String("APOS"), U'\''}};
    for (const auto& named : kNamed) {
        if (name.compare(named.name, Qt::CaseInsensitive) == 0)
            return named.character;
    }
    if (!name.startsWith(u'#'))
        return std::nullopt;
    QStringView digits = name.sliced(1);
    int base = 10;
    if (digits.startsWith(u'x', Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.sliced(1);
    }
    bool ok = false;
    const uint code = isDigits(digits, base) ? digits.toUInt(&ok, base) : 0;
    if (!ok || code == 0 || code > 0x10FFFF || QChar::isSurrogate(code))
        return std::nullopt;
    return code == 0xA0 ? U' ' : char32_t(code);
}

} // namespace

QString cellTooltip(const ReadoutState& state, int index)
{
    if (index < 0 || index >= kStationCellCount)
        return {};
    if (state.cells[index].caption == u"?") {
        return state.DelayNote[index / kReadingCount].isEmpty()
                   ? QCoreApplication::translate("Readout", "データがない為不明")
                   : QCoreApplication::translate("Readout", "データ遅延と思われます QRX");
    }
    switch (index % kReadingCount) {
    case 0:
        return QCoreApplication::translate("Readout", "Ｆ層臨界周波数[MHz]");
    case 1:
        return QCoreApplication::translate("Readout", "電離層最低反射周波数[MHz]");
    default:
        return QCoreApplication::translate("Readout", "スポラディックＥ層臨界周波数[MHz]");
    }
}

MessageText stationMessage(const ReadoutState& state, int index)
{
    if (index < 0 || index >= kStationCellCount)
        throw ProcedureFailure("not a station cell");
    const int k = index / kReadingCount;
    const int v = index % kReadingCount;
    const QString& detail = state.StationDetail[k];

    const qsizetype p1 = Find(detail, kMark, 1);
    const qsizetype p2 = Find(detail, kMark, p1 + 1);
    const qsizetype p3 = v == 0 ? 0 : Find(detail, kMark, p2 + 1);

    // The title is cut first, so a detail without a usable heading fails
    // there whatever the column.
    MessageText message;
    message.title =
        QStringLiteral("Ondrel  ") + Mid(detail, 2, p1 - 2) + shownText(state.DelayNote[k]);
    switch (v) {
    case 0:
        message.text = Mid(detail, p1 + 1, p2 - 1 - p1);
        break;
    case 1:
        message.text = Mid(detail, p2 + 1, p3 - 1 - p2);
        break;
    default:
        message.text = Mid(detail, p3 + 1, detail.size() - p3);
        break;
    }
    return message;
}

QString decodeEntities(const QString& text)
{
    const QStringView rest(text);
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype amp = text.indexOf(u'&'); amp >= 0; amp = text.indexOf(u'&', from)) {
        out += rest.sliced(from, amp - from);
        const qsizetype semicolon = text.indexOf(u';', amp + 1);
        const auto character = semicolon < 0
                                   ? std::nullopt
                                   : entityCharacter(rest.sliced(amp + 1, semicolon - amp - 1));
        if (character) {
            out += QString::fromUcs4(&*character, 1);
            from = semicolon + 1;
        } else {
            out += u'&';
            from = amp + 1;
        }
    }
    out += rest.sliced(from);
    return out;
}

MessageText asShown(MessageText message)
{
    message.text = decodeEntities(message.text);
    message.title = decodeEntities(message.title);
    message.title.remove(u'\r');
    message.title.remove(u'\n');
    return message;
}

MessageText helpMessage()
{
    const QStringList lines{
        QCoreApplication::translate(
            "Readout",
            "このデータは「WDC for Ionosphere, Tokyo, National Institute of Information "),
        QCoreApplication::translate("Readout",
                                    "and Communications Technology」から提供されたものです "),
        QString(),
        QCoreApplication::translate("Readout", "Fmax=Ｆ層臨界周波数"),
        QString(),
        QCoreApplication::translate("Readout", "Fmin=電離層最低反射周波数"),
        QString(),
        QCoreApplication::translate("Readout", "Es=スポラディックＥ層臨界周波数"),
        QString(),
        QCoreApplication::translate("Readout", "を表します"),
        QString(),
        QCoreApplication::translate("Readout", "? は 最新の自動解析値が存在しない事を示します。"),
        QString(),
        QCoreApplication::translate("Readout", "起動オプション　-T で前面表示となります"),
    };
    return {lines.join(QStringLiteral("\r\n")), QStringLiteral("Ondrel")};
}

QString readoutLegendText(SignalPalette palette)
{
    const auto shown = [](const char* text) {
        return QCoreApplication::translate("Readout", text);
    };
    const QString colours =
        palette == SignalPalette::Cvd
            ? shown(QT_TRANSLATE_NOOP("Readout", "色: 空色 静穏、黄と点線 注意、朱色と実線 警報、"
                                                 "灰色 データなし"))
            : shown(QT_TRANSLATE_NOOP("Readout", "色: 緑 静穏、黄 注意、赤 警報、水色 データなし"));
    const QStringList lines{
        shown(QT_TRANSLATE_NOOP("Readout", "色と印の意味")),
        colours,
        shown(QT_TRANSLATE_NOOP("Readout",
                                "全の行の印: %1・%2 静穏、%3 注意、%4 Fmax・Fmin の警報、"
                                "%5 Es の警報"))
            .arg(shown("静"), shown("寂"), shown("注"), shown("注!"), shown("Es!")),
        shown(QT_TRANSLATE_NOOP("Readout",
                                "見出しが黄色: 前回の読み込みで警報ページを読めませんでした")),
        shown(QT_TRANSLATE_NOOP("Readout", "色が暗い: データが古くなっています")),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString summaryHeadingHint()
{
    return QCoreApplication::translate("Readout", "右ｸﾘｯｸすると全体の詳細表示します");
}
