// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/program_settings.h"

#include "core/page/page_urls.h"
#include "core/refresh/schedule.h"
#include "core/settings/settings_store.h"
#include "core/status/es_notice_policy.h"
#include "core/system/procedure_failure.h"
#include "core/text/locator_text.h"
#include "core/text/number_text.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

const QString kSection = QStringLiteral("ESConf");

struct Range {
    int low;
    int high;
    bool holds(int value) const { return value >= low && value <= high; }
};

constexpr Range kAnyNumber{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
constexpr Range kPeriods{kMinPeriod, kMaxPeriod};
constexpr Range kCooldownMinutes{0, 24 * 60};
constexpr Range kKeptDays{1, std::numeric_limits<int>::max()};
constexpr Range kMapSides{1, 16384};
constexpr int kDefaultKeepDays = 400;
// The bands the Es map tells of; 6 m is the one Es makes news on.
constexpr std::array<int, 3> kNotifiableBands = {28, 50, 144};
constexpr int kDefaultNotifyBand = 50;
const int kDefaultCooldownMinutes = static_cast<int>(
    std::chrono::duration_cast<std::chrono::minutes>(EsNoticePolicy::kDefaultCooldown).count());
const bool kDefaultNotifyOn = EsNoticePolicy{}.enabled;
const QString kStandardPalette = QStringLiteral("standard");
const QString kCvdPalette = QStringLiteral("cvd");
// The pane opens on most of the screen until it was left somewhere.
constexpr double kPaneWidthShare = 0.85;
constexpr double kPaneHeightShare = 0.7;

std::optional<int> numberIn(const QString& text)
{
    try {
        return textToLong(text);
    } catch (const ProcedureFailure&) {
        return std::nullopt;
    }
}

// "name:" not followed by a port number: the text names its own scheme.
bool namesAScheme(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d)"));
    return scheme.match(text).hasMatch();
}

std::optional<QString> storedText(SettingsStore& store, const QString& key)
{
    store.IniSection = kSection;
    QString value;
    store.IniGet(key, value);
    if (value == kSection)
        return std::nullopt;
    return value;
}

void storeText(SettingsStore& store, const QString& key, const QString& value)
{
    store.IniSection = kSection;
    store.IniPut(key, value);
}

void storeTwips(SettingsStore& store, const char* key, int twips)
{
    storeText(store, QLatin1String(key), singleToText(static_cast<float>(twips)));
}

// Never the desktop's locale: without the key the texts are Japanese.
InterfaceLanguage languageOf(const QString& stored)
{
    return stored.compare(u"en", Qt::CaseInsensitive) == 0 ? InterfaceLanguage::English
                                                           : InterfaceLanguage::Japanese;
}

// The words of a band list such as "28, 50" (commas or blanks apart).
QStringList bandWords(const QString& text)
{
    static const QRegularExpression apart(QStringLiteral("[,\\s]+"));
    return text.split(apart, Qt::SkipEmptyParts);
}

// The band numbers in a band list; what is no band among them stays out.
std::vector<int> bandsIn(const QString& text)
{
    std::vector<int> bands;
    for (const QString& word : bandWords(text)) {
        const int band = word.toInt();
        if (std::find(kNotifiableBands.begin(), kNotifiableBands.end(), band) !=
            kNotifiableBands.end())
            bands.push_back(band);
    }
    return bands;
}

// Whether every word of the list is a band.
bool onlyBands(const QString& text)
{
    return static_cast<qsizetype>(bandsIn(text).size()) == bandWords(text).size();
}

// Problems with a stored value go to `report`, or else to standard error.
void tell(const std::function<void(const QString&)>& report, const QString& problem)
{
    if (report)
        report(problem);
    else
        std::fprintf(stderr, "ondrel: %s\n", problem.toLocal8Bit().constData());
}

QString notALocator(const QString& text)
{
    return QStringLiteral("ESHome \"%1\" is not a Maidenhead locator of 4 or 6 characters "
                          "(such as PM95 or PM95vq); no home is set")
        .arg(text);
}

QString notAUdpAddress(const QString& text)
{
    return QStringLiteral("ESDecodeUdp \"%1\" is not a UDP port, ADDRESS:PORT or multicast "
                          "GROUP:PORT (such as 2237, 127.0.0.1:2237 or 224.0.0.1:2237); "
                          "nothing is heard")
        .arg(text);
}

// A key left empty means none; so does a value `read` does not take,
// which is told through `report`.
template <typename T>
std::optional<T> optionalSetting(SettingsStore& store, const QString& key,
                                 std::optional<T> (*read)(const QString&),
                                 QString (*refusal)(const QString&),
                                 const std::function<void(const QString&)>& report)
{
    const QString stored = storedText(store, key).value_or(QString());
    if (stored.trimmed().isEmpty())
        return std::nullopt;
    std::optional<T> value = read(stored);
    if (!value)
        tell(report, refusal(stored));
    return value;
}

int share(int whole, double part)
{
    return static_cast<int>(std::lround(whole * part));
}

} // namespace

std::optional<QString> httpAddressFor(const QString& text)
{
    static const QRegularExpression blank(QStringLiteral("\\s"));
    if (text.isEmpty() || text.contains(blank))
        return std::nullopt;
    const QString address = namesAScheme(text) ? text : QStringLiteral("http://") + text;
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return std::nullopt;
    return address;
}

PageBase pageBaseFor(const QString& text)
{
    if (text.isEmpty())
        return {defaultPageBase(), {}};
    QString trimmed = text;
    while (trimmed.endsWith(u'/'))
        trimmed.chop(1);
    // The page paths go after it: a query or fragment would end up before them.
    const std::optional<QString> address = httpAddressFor(trimmed);
    const QUrl url(address.value_or(QString()));
    if (address && !url.hasQuery() && !url.hasFragment())
        return {*address, {}};
    return {defaultPageBase(), QStringLiteral("ESHost \"%1\" is not an http or https address; "
                                              "using %2")
                                   .arg(text, defaultPageBase())};
}

std::optional<QString> ProgramSettings::text(const QString& key)
{
    return storedText(m_store, key);
}

void ProgramSettings::setText(const QString& key, const QString& value)
{
    storeText(m_store, key, value);
}

bool ProgramSettings::removeText(const QString& key)
{
    m_store.IniSection = kSection;
    return m_store.removeKey(key);
}

// A number that is not stored, or not a number, is the fallback.
int ProgramSettings::number(const QString& key, int fallback)
{
    try {
        const std::optional<QString> text = storedText(m_store, key);
        return text ? textToLong(*text) : fallback;
    } catch (const ProcedureFailure&) {
        return fallback;
    }
}

int ProgramSettings::reloadPeriod()
{
    // Out of the editor's range the window would never reload.
    const int period = number(QStringLiteral("TM2"), kDefaultPeriod);
    return kPeriods.holds(period) ? period : kDefaultPeriod;
}

void ProgramSettings::setReloadPeriod(int seconds)
{
    storeText(m_store, QStringLiteral("TM2"), QString::number(seconds));
}

QString ProgramSettings::alertPageBase(const std::function<void(const QString&)>& report)
{
    const PageBase page =
        pageBaseFor(storedText(m_store, QStringLiteral("ESHost")).value_or(QString()));
    if (!page.problem.isEmpty())
        tell(report, page.problem);
    return page.base;
}

int ProgramSettings::keepDays()
{
    const int days = number(QStringLiteral("ESKeepDays"), kDefaultKeepDays);
    return kKeptDays.holds(days) ? days : kDefaultKeepDays;
}

bool ProgramSettings::notifyOn()
{
    return number(QStringLiteral("ESNotify"), kDefaultNotifyOn ? 1 : 0) != 0;
}

void ProgramSettings::setNotifyOn(bool on)
{
    storeText(m_store, QStringLiteral("ESNotify"), on ? QStringLiteral("1") : QStringLiteral("0"));
}

std::chrono::seconds ProgramSettings::notifyCooldown()
{
    const int minutes = number(QStringLiteral("ESNotifyCool"), kDefaultCooldownMinutes);
    return std::chrono::minutes(kCooldownMinutes.holds(minutes) ? minutes
                                                                : kDefaultCooldownMinutes);
}

std::vector<int> ProgramSettings::notifyBands()
{
    const std::optional<QString> stored = storedText(m_store, QStringLiteral("ESNotifyBand"));
    if (!stored)
        return {kDefaultNotifyBand};
    std::vector<int> bands;
    for (const int band : bandsIn(*stored)) {
        if (std::find(bands.begin(), bands.end(), band) == bands.end())
            bands.push_back(band);
    }
    return bands;
}

SignalPalette ProgramSettings::palette()
{
    return storedText(m_store, QStringLiteral("ESPalette")) == kCvdPalette
               ? SignalPalette::Cvd
               : SignalPalette::Standard;
}

void ProgramSettings::setPalette(SignalPalette palette)
{
    storeText(m_store, QStringLiteral("ESPalette"),
              palette == SignalPalette::Cvd ? kCvdPalette : kStandardPalette);
}

InterfaceLanguage ProgramSettings::interfaceLanguage()
{
    return languageOf(storedText(m_store, QStringLiteral("ESLang")).value_or(QString()));
}

std::optional<QString>
ProgramSettings::homeLocator(const std::function<void(const QString&)>& report)
{
    return optionalSetting(m_store, QStringLiteral("ESHome"), canonicalLocator, notALocator,
                           report);
}

void ProgramSettings::setHomeLocator(const QString& locator)
{
    storeText(m_store, QStringLiteral("ESHome"), locator);
}

std::optional<UdpListenAddress>
ProgramSettings::decodeUdp(const std::function<void(const QString&)>& report)
{
    return optionalSetting(m_store, QStringLiteral("ESDecodeUdp"), udpListenAddressOf,
                           notAUdpAddress, report);
}

QStringList ProgramSettings::logFiles()
{
    QStringList files;
    for (const QString& path :
         storedText(m_store, QStringLiteral("ESLogFile")).value_or(QString()).split(u';')) {
        if (!path.trimmed().isEmpty())
            files << path.trimmed();
    }
    if (!files.isEmpty())
        return files;
    // Both keep their log in their own folder of the data directory.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const char* program : {"WSJT-X", "JTDX"}) {
        const QString path =
            QStringLiteral("%1/%2/wsjtx_log.adi").arg(data, QLatin1String(program));
        if (QFileInfo::exists(path))
            files << path;
    }
    return files;
}

std::optional<QRect> ProgramSettings::mapGeometry()
{
    std::array<std::optional<int>, 4> numbers;
    const char* const keys[] = {"ESMapX", "ESMapY", "ESMapW", "ESMapH"};
    for (size_t n = 0; n < numbers.size(); ++n)
        numbers[n] = numberIn(storedText(m_store, QLatin1String(keys[n])).value_or(QString()));
    if (!numbers[0] || !numbers[1] || !numbers[2] || !numbers[3] || !kMapSides.holds(*numbers[2]) ||
        !kMapSides.holds(*numbers[3]))
        return std::nullopt;
    return QRect(*numbers[0], *numbers[1], *numbers[2], *numbers[3]);
}

void ProgramSettings::setMapGeometry(const QRect& geometry)
{
    storeText(m_store, QStringLiteral("ESMapX"), QString::number(geometry.x()));
    storeText(m_store, QStringLiteral("ESMapY"), QString::number(geometry.y()));
    storeText(m_store, QStringLiteral("ESMapW"), QString::number(geometry.width()));
    storeText(m_store, QStringLiteral("ESMapH"), QString::number(geometry.height()));
}

int ProgramSettings::compactTop()
{
    return number(QStringLiteral("ESTop"), 0);
}

int ProgramSettings::compactLeft()
{
    return number(QStringLiteral("ESLeft"), 0);
}

void ProgramSettings::setCompactPosition(int top, int left)
{
    storeTwips(m_store, "ESTop", top);
    storeTwips(m_store, "ESLeft", left);
}

int ProgramSettings::paneWidth(int screenWidth)
{
    return number(QStringLiteral("ESW"), share(screenWidth, kPaneWidthShare));
}

int ProgramSettings::paneHeight(int screenHeight)
{
    return number(QStringLiteral("ESH"), share(screenHeight, kPaneHeightShare));
}

int ProgramSettings::paneTop()
{
    return number(QStringLiteral("ESWT"), 0);
}

int ProgramSettings::paneLeft()
{
    return number(QStringLiteral("ESWL"), 0);
}

void ProgramSettings::setPaneSize(int width, int height)
{
    storeTwips(m_store, "ESW", width);
    storeTwips(m_store, "ESH", height);
}

void ProgramSettings::setPanePosition(int top, int left)
{
    storeTwips(m_store, "ESWT", top);
    storeTwips(m_store, "ESWL", left);
}

namespace {

std::function<bool(const QString&)> numberWithin(Range range)
{
    return [range](const QString& text) {
        const std::optional<int> number = numberIn(text);
        return number && range.holds(*number);
    };
}

QString usesInstead(const QString& fallback)
{
    return QStringLiteral("uses %1 instead").arg(fallback);
}

QString usesInstead(int fallback)
{
    return usesInstead(QString::number(fallback));
}

SettingForm numberForm(const char* label, Range range, const char* unit)
{
    return {SettingForm::Kind::Number, label, range.low, range.high, unit};
}

} // namespace

std::vector<SettingMeaning> settingMeanings()
{
    const QString twips = QStringLiteral("a number of twips");
    const QString noPane = QStringLiteral("cannot open the browser pane with it");
    const QString pixels = QStringLiteral("a number of pixels");
    const QString noMap = QStringLiteral("opens the Es map at its own size and place");
    const int notify = kDefaultNotifyOn ? 1 : 0;
    return {
        {QStringLiteral("TM2"), QStringLiteral("reload period"),
         QStringLiteral("%1 to %2 seconds").arg(kPeriods.low).arg(kPeriods.high),
         QString::number(kDefaultPeriod), usesInstead(kDefaultPeriod), numberWithin(kPeriods),
         numberForm(QT_TRANSLATE_NOOP("Settings", "再読み込みの周期"), kPeriods,
                    QT_TRANSLATE_NOOP("Settings", "秒"))},
        {QStringLiteral("ESTop"), QStringLiteral("top of the compact window"), twips,
         QStringLiteral("0"), usesInstead(0), numberWithin(kAnyNumber)},
        {QStringLiteral("ESLeft"), QStringLiteral("left edge of the compact window"), twips,
         QStringLiteral("0"), usesInstead(0), numberWithin(kAnyNumber)},
        {QStringLiteral("ESW"), QStringLiteral("width of the window with the browser pane"), twips,
         QStringLiteral("%1% of the screen width").arg(share(100, kPaneWidthShare)), noPane,
         numberWithin(kAnyNumber)},
        {QStringLiteral("ESH"), QStringLiteral("height of the window with the browser pane"), twips,
         QStringLiteral("%1% of the screen height").arg(share(100, kPaneHeightShare)), noPane,
         numberWithin(kAnyNumber)},
        {QStringLiteral("ESWT"), QStringLiteral("top of the window with the browser pane"), twips,
         QStringLiteral("0"), noPane, numberWithin(kAnyNumber)},
        {QStringLiteral("ESWL"), QStringLiteral("left edge of the window with the browser pane"),
         twips, QStringLiteral("0"), noPane, numberWithin(kAnyNumber)},
        {QStringLiteral("ESNotify"),
         QStringLiteral("Es notifications"),
         QStringLiteral("a number (0 for off)"),
         QString::number(notify),
         usesInstead(notify),
         numberWithin(kAnyNumber),
         {SettingForm::Kind::Switch, QT_TRANSLATE_NOOP("Settings", "Es の通知")}},
        {QStringLiteral("ESNotifyCool"),
         QStringLiteral("least time between two notifications of one level"),
         QStringLiteral("%1 to %2 minutes").arg(kCooldownMinutes.low).arg(kCooldownMinutes.high),
         QString::number(kDefaultCooldownMinutes), usesInstead(kDefaultCooldownMinutes),
         numberWithin(kCooldownMinutes),
         numberForm(QT_TRANSLATE_NOOP("Settings", "同じレベルを再び通知するまで"), kCooldownMinutes,
                    QT_TRANSLATE_NOOP("Settings", "分"))},
        {QStringLiteral("ESNotifyBand"),
         QStringLiteral("bands whose opening is notified (the Es map's reach)"),
         QStringLiteral("a list of bands among 28, 50 and 144 MHz (empty for none)"),
         QString::number(kDefaultNotifyBand),
         QStringLiteral("leaves out what is no band"),
         onlyBands,
         {SettingForm::Kind::Text,
          QT_TRANSLATE_NOOP("Settings", "開いたら知らせるバンド (MHz)"),
          0,
          0,
          nullptr,
          {},
          QT_TRANSLATE_NOOP("Settings", "28, 50, 144 から。空欄で知らせない")}},
        {QStringLiteral("ESKeepDays"), QStringLiteral("how long the Es history is kept"),
         QStringLiteral("a positive number of days"), QString::number(kDefaultKeepDays),
         usesInstead(kDefaultKeepDays), numberWithin(kKeptDays),
         numberForm(QT_TRANSLATE_NOOP("Settings", "履歴を残す日数"), kKeptDays,
                    QT_TRANSLATE_NOOP("Settings", "日"))},
        {QStringLiteral("ESPalette"),
         QStringLiteral("colours of the readout and the tray icon"),
         QStringLiteral("%1 or %2 (colours apart without red, green or blue vision)")
             .arg(kStandardPalette, kCvdPalette),
         kStandardPalette,
         usesInstead(kStandardPalette),
         [](const QString& text) { return text == kStandardPalette || text == kCvdPalette; },
         {SettingForm::Kind::Choice,
          QT_TRANSLATE_NOOP("Settings", "配色"),
          0,
          0,
          nullptr,
          {{kStandardPalette, QT_TRANSLATE_NOOP("Settings", "標準")},
           {kCvdPalette, QT_TRANSLATE_NOOP("Settings", "色覚に配慮した配色")}}}},
        {QStringLiteral("ESLang"),
         QStringLiteral("language of the window"),
         QStringLiteral("ja or en (read at start-up)"),
         QStringLiteral("ja"),
         usesInstead(QStringLiteral("ja")),
         [](const QString& text) {
             return text.compare(u"ja", Qt::CaseInsensitive) == 0 ||
                    languageOf(text) == InterfaceLanguage::English;
         },
         {SettingForm::Kind::Choice,
          QT_TRANSLATE_NOOP("Settings", "言語"),
          0,
          0,
          nullptr,
          {{QStringLiteral("ja"), QT_TRANSLATE_NOOP("Settings", "日本語")},
           {QStringLiteral("en"), QT_TRANSLATE_NOOP("Settings", "English")}},
          QT_TRANSLATE_NOOP("Settings", "再起動後に反映")}},
        {QStringLiteral("ESHome"),
         QStringLiteral("your Maidenhead locator, for the Es map"),
         QStringLiteral("a Maidenhead locator of 4 or 6 characters (PM95, PM95vq)"),
         QString(),
         QStringLiteral("sets no home"),
         [](const QString& text) {
             return text.trimmed().isEmpty() || canonicalLocator(text).has_value();
         },
         {SettingForm::Kind::Locator,
          QT_TRANSLATE_NOOP("Settings", "自局ロケーター"),
          0,
          0,
          nullptr,
          {},
          QT_TRANSLATE_NOOP("Settings", "4 文字か 6 文字、例 PM95vq")}},
        {QStringLiteral("ESDecodeUdp"),
         QStringLiteral("where the decodes of WSJT-X and JTDX are heard"),
         QStringLiteral("a UDP port (on 127.0.0.1), ADDRESS:PORT or a multicast GROUP:PORT "
                        "(2237, 127.0.0.1:2237, 224.0.0.1:2237); empty for off"),
         QString(),
         QStringLiteral("hears nothing"),
         [](const QString& text) {
             return text.trimmed().isEmpty() || udpListenAddressOf(text).has_value();
         },
         {SettingForm::Kind::Text,
          QT_TRANSLATE_NOOP("Settings", "デコードを受ける UDP (WSJT-X, JTDX)"),
          0,
          0,
          nullptr,
          {},
          QT_TRANSLATE_NOOP("Settings", "例 2237、224.0.0.1:2237。空欄で受けない")}},
        {QStringLiteral("ESLogFile"),
         QStringLiteral("the ADIF logs whose contacts are judged"),
         QStringLiteral("paths of .adi files separated by \";\"; empty for the logs of WSJT-X "
                        "and JTDX (~/.local/share/WSJT-X/wsjtx_log.adi, "
                        "~/.local/share/JTDX/wsjtx_log.adi) that exist"),
         QString(),
         QStringLiteral("tells a file it cannot read and goes on with the others"),
         [](const QString&) { return true; },
         {SettingForm::Kind::Text,
          QT_TRANSLATE_NOOP("Settings", "ADIF ログ"),
          0,
          0,
          nullptr,
          {},
          QT_TRANSLATE_NOOP("Settings", "; で区切る。空欄で WSJT-X・JTDX のログ")}},
        {QStringLiteral("ESMapX"), QStringLiteral("left edge of the Es map window"), pixels,
         QStringLiteral("a place the desktop chooses"), noMap, numberWithin(kAnyNumber)},
        {QStringLiteral("ESMapY"), QStringLiteral("top of the Es map window"), pixels,
         QStringLiteral("a place the desktop chooses"), noMap, numberWithin(kAnyNumber)},
        {QStringLiteral("ESMapW"), QStringLiteral("width of the Es map window"),
         QStringLiteral("%1 to %2 pixels").arg(kMapSides.low).arg(kMapSides.high),
         QStringLiteral("its own size"), noMap, numberWithin(kMapSides)},
        {QStringLiteral("ESMapH"), QStringLiteral("height of the Es map window"),
         QStringLiteral("%1 to %2 pixels").arg(kMapSides.low).arg(kMapSides.high),
         QStringLiteral("its own size"), noMap, numberWithin(kMapSides)},
        {QStringLiteral("ESHost"),
         QStringLiteral("server of the pages, in place of the provider's"),
         QStringLiteral("an http or https address or a host name"),
         defaultPageBase(),
         usesInstead(defaultPageBase()),
         [](const QString& text) { return pageBaseFor(text).problem.isEmpty(); },
         {SettingForm::Kind::Address, QT_TRANSLATE_NOOP("Settings", "ページのアドレス")}},
    };
}

std::optional<SettingMeaning> settingMeaning(const QString& key)
{
    for (SettingMeaning& meaning : settingMeanings()) {
        if (meaning.key.compare(key, Qt::CaseInsensitive) == 0)
            return std::move(meaning);
    }
    return std::nullopt;
}
