// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page/alert_parser.h"

#include "core/page/readout_formatting.h"
#include "core/page/signal_indicator.h"
#include "core/text/text_helpers.h"

namespace {

const QString kStationHeaders[kStationCount] = {
    QStringLiteral("== 稚内(北海道) =="),
    QStringLiteral("== 国分寺(東京) =="),
    QStringLiteral("== 山川(鹿児島) =="),
    QStringLiteral("== 大宜味(沖縄) =="),
};

const QString kValueMarkers[kReadingCount] = {
    QStringLiteral("現在<FONT COLOR='BLACK'>のＦ層臨界周波数は約"),
    QStringLiteral("現在<FONT COLOR='BLACK'>の電離層最低反射周波数は約"),
    QStringLiteral("現在<FONT COLOR='BLACK'>のスポラディックＥ層臨界周波数は約"),
};

const QString kValueEnd = QStringLiteral("[MHZ]です");
const QString kSignalPrefix = QStringLiteral("SIGNAL-");
const QString kSignalSuffix = QStringLiteral(".GIF");
const QString kBodyEnd = QStringLiteral("/BODY");
const QString kMissingIonogram = QStringLiteral("最新のイオノグラムが存在しない為");
const QString kDelayNote =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Readout", " (データ遅延と思われます QRX)"));
const QString kMissingValue = QStringLiteral("?");
const QString kMissingSignal = QStringLiteral("UNDEFINE");
const QString kTimeSuffix = QStringLiteral("現在");

void setReading(StationReading& reading, int column, const QString& value, const QString& signal)
{
    QString* values[] = {&reading.fmax, &reading.fmin, &reading.es};
    QString* signalNames[] = {&reading.fmaxSignal, &reading.fminSignal, &reading.esSignal};
    *values[column] = value;
    *signalNames[column] = signal;
}

// Start positions of the four station blocks, missing headers replaced.
std::array<qsizetype, kStationCount> stationStarts(const QString& text, qsizetype timeEnd)
{
    std::array<qsizetype, kStationCount> found{};
    for (int k = 0; k < kStationCount; ++k)
        found[k] = Find(text, kStationHeaders[k], 1);
    std::array<qsizetype, kStationCount> starts = found;
    if (starts[0] == 0)
        starts[0] = timeEnd;
    if (starts[1] == 0)
        starts[1] = found[2];
    if (starts[2] == 0)
        starts[2] = found[3];
    if (starts[3] == 0)
        starts[3] = Find(text, kBodyEnd, 1);
    return starts;
}

void readStation(const QString& text, int k, qsizetype start, qsizetype bound, ReadoutState& state)
{
    const bool last = k == kStationCount - 1;
    state.DelayNote[k] = Find(text, kMissingIonogram, start) != 0 ? kDelayNote : QString();

    for (int v = 0; v < kReadingCount; ++v) {
        const int cell = kReadingCount * k + v;
        const qsizetype d = Find(text, kValueMarkers[v], start);
        const qsizetype e = d + kValueMarkers[v].size();
        if (d == 0 || (!last && e > bound)) {
            state.cells[cell].caption = kMissingValue;
            setReading(state.readings[k], v, kMissingValue, kMissingSignal);
            ShowSignal(state, kMissingSignal, cell);
            continue;
        }
        const qsizetype m = Find(text, kValueEnd, e);
        const QString value = TrimBlanks(Mid(text, e, m - e));
        state.cells[cell].caption = value;
        const qsizetype s = Find(text, kSignalPrefix, e);
        const qsizetype g = Find(text, kSignalSuffix, e);
        QString signal = Mid(text, s, g - s);
        signal.remove(kSignalPrefix);
        setReading(state.readings[k], v, value, signal);
        ShowSignal(state, signal, cell);
    }

    const QString block =
        last ? Mid(text, start, text.size() - start - 6) : Mid(text, start, bound - start);
    state.StationDetail[k] = FormatStationDetail(block);
}

} // namespace

void parseAlertPage(const QString& page, ReadoutState& state)
{
    const qsizetype a = Find(page, QStringLiteral("("), 1);
    const qsizetype b = a + 1;
    const qsizetype c = Find(page, QStringLiteral(")"), b);
    if (c > b)
        state.AlertTime = Mid(page, b, c - b);
    state.statusItem = state.AlertTime + kTimeSuffix;

    const QString text = c == 0 ? page : Right(page, page.size() - c);
    const auto starts = stationStarts(text, c);
    for (int k = 0; k < kStationCount; ++k) {
        const qsizetype bound = k + 1 < kStationCount ? starts[k + 1] : 0;
        readStation(text, k, starts[k], bound, state);
    }
    ShowSummary(state);
}
