// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/program_settings.h"

#include "core/settings/settings_store.h"
#include "support/fakes.h"

#include "support/named_case.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct BaseCase {
    const char* name;
    const char* typed;
    const char* base; // nullptr: refused, the provider's address serves
};
ONDREL_NAMED_CASE(BaseCase)

class PageBaseTest : public testing::TestWithParam<BaseCase> {};

TEST_P(PageBaseTest, TypedAddressGivesTheBase)
{
    const PageBase page = pageBaseFor(QString::fromUtf8(GetParam().typed));
    if (GetParam().base) {
        EXPECT_EQ(page.base, QString::fromUtf8(GetParam().base));
        EXPECT_TRUE(page.problem.isEmpty()) << page.problem.toStdString();
    } else {
        EXPECT_EQ(page.base, QStringLiteral("http://wdc.nict.go.jp"));
        EXPECT_EQ(page.problem, QStringLiteral("ESHost \"%1\" is not an http or https address; "
                                               "using http://wdc.nict.go.jp")
                                    .arg(QString::fromUtf8(GetParam().typed)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, PageBaseTest,
    testing::Values(BaseCase{"Empty", "", "http://wdc.nict.go.jp"},
                    BaseCase{"BareHost", "wdc.nict.go.jp", "http://wdc.nict.go.jp"},
                    BaseCase{"BareHostSlash", "wdc.nict.go.jp/", "http://wdc.nict.go.jp"},
                    BaseCase{"BareHostPortPath", "127.0.0.1:8080/mirror",
                             "http://127.0.0.1:8080/mirror"},
                    BaseCase{"BareLocalhostPort", "localhost:8080", "http://localhost:8080"},
                    BaseCase{"BareIpv6", "[::1]:8080", "http://[::1]:8080"},
                    BaseCase{"Http", "http://127.0.0.1:8080", "http://127.0.0.1:8080"},
                    BaseCase{"HttpSlashes", "http://127.0.0.1:8080//", "http://127.0.0.1:8080"},
                    BaseCase{"HttpsPath", "https://wdc.nict.go.jp/Ionosphere/realtime/",
                             "https://wdc.nict.go.jp/Ionosphere/realtime"},
                    BaseCase{"UpperCaseScheme", "HTTP://wdc.nict.go.jp", "HTTP://wdc.nict.go.jp"},
                    BaseCase{"Ftp", "ftp://x", nullptr}, BaseCase{"File", "file:///tmp", nullptr},
                    BaseCase{"HttpWithoutHost", "http://", nullptr},
                    BaseCase{"OneSlashOnly", "http:/wdc.nict.go.jp", nullptr},
                    BaseCase{"PortNotANumber", "wdc.nict.go.jp:http", nullptr},
                    BaseCase{"Blank", "wdc nict.go.jp", nullptr},
                    BaseCase{"BlankInPath", "http://wdc.nict.go.jp/a b", nullptr},
                    BaseCase{"Query", "http://wdc.nict.go.jp/?a=1", nullptr},
                    BaseCase{"SlashOnly", "/", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// Each getter with its key, default and range; numbers as the settings
// file holds them (text).
struct SettingReadCase {
    const char* name;
    const char* line; // in section ESConf, or nullptr for none
    int (*read)(ProgramSettings&);
    int expected;
};
ONDREL_NAMED_CASE(SettingReadCase)

int period(ProgramSettings& s)
{
    return s.reloadPeriod();
}
int keepDays(ProgramSettings& s)
{
    return s.keepDays();
}
int notifyOn(ProgramSettings& s)
{
    return s.notifyOn() ? 1 : 0;
}
int cooldown(ProgramSettings& s)
{
    return static_cast<int>(s.notifyCooldown().count());
}
int cvd(ProgramSettings& s)
{
    return s.palette() == SignalPalette::Cvd ? 1 : 0;
}
int english(ProgramSettings& s)
{
    return s.interfaceLanguage() == InterfaceLanguage::English ? 1 : 0;
}
int compactTop(ProgramSettings& s)
{
    return s.compactTop();
}
int paneWidth(ProgramSettings& s)
{
    return s.paneWidth(20000);
}
int paneHeight(ProgramSettings& s)
{
    return s.paneHeight(10000);
}

// A settings directory whose file holds `line` in section ESConf, or no
// file for nullptr.
struct SettingsFile {
    explicit SettingsFile(const char* line = nullptr)
    {
        if (!line)
            return;
        QFile file(dir.filePath(QStringLiteral("Ondrel.ini")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[ESConf]\n") + line + "\n");
    }
    QTemporaryDir dir;
    FakeMessageBoxes boxes;
    SettingsStore store{[this] { return dir.path(); }, boxes};
};

class ReadTest : public testing::TestWithParam<SettingReadCase> {};

TEST_P(ReadTest, StoredValueOrDefault)
{
    SettingsFile file(GetParam().line);
    ProgramSettings settings(file.store);
    EXPECT_EQ(GetParam().read(settings), GetParam().expected);
    EXPECT_TRUE(file.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ReadTest,
    testing::Values(SettingReadCase{"KeepDaysMissing", nullptr, keepDays, 400},
                    SettingReadCase{"KeepDaysGiven", "ESKeepDays=30", keepDays, 30},
                    SettingReadCase{"KeepDaysNotANumber", "ESKeepDays=all", keepDays, 400},
                    SettingReadCase{"KeepDaysZero", "ESKeepDays=0", keepDays, 400},
                    SettingReadCase{"PeriodMissing", nullptr, period, 180},
                    SettingReadCase{"PeriodGiven", "TM2=900", period, 900},
                    SettingReadCase{"PeriodBelowRange", "TM2=59", period, 180},
                    SettingReadCase{"PeriodNotANumber", "TM2=x", period, 180},
                    SettingReadCase{"NotifyMissing", nullptr, notifyOn, 1},
                    SettingReadCase{"NotifyOff", "ESNotify=0", notifyOn, 0},
                    SettingReadCase{"NotifyNotANumber", "ESNotify=off", notifyOn, 1},
                    SettingReadCase{"CooldownMissing", nullptr, cooldown, 30 * 60},
                    SettingReadCase{"CooldownZero", "ESNotifyCool=0", cooldown, 0},
                    SettingReadCase{"CooldownDay", "ESNotifyCool=1440", cooldown, 1440 * 60},
                    SettingReadCase{"CooldownOverADay", "ESNotifyCool=1441", cooldown, 30 * 60},
                    SettingReadCase{"PaletteMissing", nullptr, cvd, 0},
                    SettingReadCase{"PaletteCvd", "ESPalette=cvd", cvd, 1},
                    SettingReadCase{"PaletteStandard", "ESPalette=standard", cvd, 0},
                    SettingReadCase{"PaletteOtherCase", "ESPalette=CVD", cvd, 0},
                    SettingReadCase{"PaletteUnknown", "ESPalette=dark", cvd, 0},
                    SettingReadCase{"LanguageMissingIsJapanese", nullptr, english, 0},
                    SettingReadCase{"LanguageEnglish", "ESLang=en", english, 1},
                    SettingReadCase{"LanguageEnglishCapitals", "ESLang=EN", english, 1},
                    SettingReadCase{"LanguageJapanese", "ESLang=ja", english, 0},
                    SettingReadCase{"LanguageOtherIsJapanese", "ESLang=fr", english, 0},
                    SettingReadCase{"LanguageLocaleNameIsJapanese", "ESLang=en_US", english, 0},
                    SettingReadCase{"LanguageEmptyIsJapanese", "ESLang=", english, 0},
                    SettingReadCase{"CompactTopGiven", "ESTop=-300", compactTop, -300},
                    SettingReadCase{"CompactTopNotANumber", "ESTop=top", compactTop, 0},
                    SettingReadCase{"PaneWidthShareOfScreen", nullptr, paneWidth, 17000},
                    SettingReadCase{"PaneHeightShareOfScreen", nullptr, paneHeight, 7000},
                    SettingReadCase{"PaneWidthGiven", "ESW=9000", paneWidth, 9000}),
    [](const auto& info) { return std::string(info.param.name); });

// ESHome as stored: the locator it gives, and whether a problem is told.
struct HomeCase {
    const char* name;
    const char* line;    // in section ESConf, or nullptr for none
    const char* locator; // nullptr: no home
    bool told;
};
ONDREL_NAMED_CASE(HomeCase)

class HomeLocatorTest : public testing::TestWithParam<HomeCase> {};

TEST_P(HomeLocatorTest, LocatorOrNoHome)
{
    SettingsFile file(GetParam().line);
    QStringList told;
    const std::optional<QString> home =
        ProgramSettings(file.store).homeLocator([&told](const QString& problem) {
            told << problem;
        });
    EXPECT_EQ(home, GetParam().locator ? std::optional(QString::fromLatin1(GetParam().locator))
                                       : std::nullopt);
    ASSERT_EQ(told.size(), GetParam().told ? 1 : 0);
    if (GetParam().told) {
        EXPECT_TRUE(told[0].startsWith(u"ESHome \"")) << told[0].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stored, HomeLocatorTest,
    testing::Values(HomeCase{"Missing", nullptr, nullptr, false},
                    HomeCase{"Empty", "ESHome=", nullptr, false},
                    HomeCase{"Square", "ESHome=PM95", "PM95", false},
                    HomeCase{"SubsquareSmallLetters", "ESHome=pm95vq", "PM95vq", false},
                    HomeCase{"SubsquareCapitals", "ESHome=PM95VQ", "PM95vq", false},
                    HomeCase{"FieldPastR", "ESHome=SM95", nullptr, true},
                    HomeCase{"SubsquarePastX", "ESHome=PM95yz", nullptr, true},
                    HomeCase{"FiveCharacters", "ESHome=PM95v", nullptr, true},
                    HomeCase{"EightCharacters", "ESHome=PM95vq12", nullptr, true},
                    HomeCase{"Callsign", "ESHome=JA1XYZ", nullptr, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NotifyBands, ListedBandsOnly)
{
    const std::pair<const char*, std::vector<int>> rows[] = {
        {nullptr, {50}},
        {"ESNotifyBand=", {}},
        {"ESNotifyBand=28, 144", {28, 144}},
        {"ESNotifyBand=50 6 50", {50}},
        {"ESNotifyBand=70cm", {}},
    };
    for (const auto& [line, bands] : rows) {
        SettingsFile file(line);
        EXPECT_EQ(ProgramSettings(file.store).notifyBands(), bands) << (line ? line : "none");
    }
}

// ESDecodeUdp as read: off without a report when empty, a report when
// the stored text is not taken.
TEST(DecodeUdp, StoredValueOrOff)
{
    const struct {
        const char* line;
        std::optional<UdpListenAddress> address;
        bool told;
    } rows[] = {
        {nullptr, std::nullopt, false},
        {"ESDecodeUdp=", std::nullopt, false},
        {"ESDecodeUdp=224.0.0.1:2237", UdpListenAddress{"224.0.0.1", 2237, true}, false},
        {"ESDecodeUdp=wsjtx", std::nullopt, true},
    };
    for (const auto& row : rows) {
        SettingsFile file(row.line);
        QStringList told;
        EXPECT_EQ(ProgramSettings(file.store).decodeUdp([&](const QString& t) { told << t; }),
                  row.address)
            << (row.line ? row.line : "none");
        EXPECT_EQ(told.size(), row.told ? 1 : 0) << told.join(u'\n').toStdString();
    }
}

// ESLogFile: the paths given, else the WSJT-X and JTDX logs that exist
// under the data directory (here only WSJT-X's).
TEST(LogFiles, GivenOrThePeersLogs)
{
    QTemporaryDir data;
    ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("WSJT-X")));
    const QString wsjtx = data.filePath(QStringLiteral("WSJT-X/wsjtx_log.adi"));
    QFile(wsjtx).open(QIODevice::WriteOnly);
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    const std::pair<const char*, QStringList> rows[] = {
        {nullptr, {wsjtx}},
        {"ESLogFile= ; ", {wsjtx}},
        {"ESLogFile=/a/x.adi; /b/y.adi;", {"/a/x.adi", "/b/y.adi"}},
    };
    for (const auto& [line, files] : rows) {
        SettingsFile file(line);
        EXPECT_EQ(ProgramSettings(file.store).logFiles(), files) << (line ? line : "none");
    }
    if (before.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", before);
}

TEST(MapGeometry, ReadBackOnlyWhenWhole)
{
    SettingsFile file;
    ProgramSettings settings(file.store);
    EXPECT_EQ(settings.mapGeometry(), std::nullopt);
    settings.setMapGeometry(QRect(-40, 30, 900, 760));
    EXPECT_EQ(settings.mapGeometry(), QRect(-40, 30, 900, 760));
    settings.setText(QStringLiteral("ESMapW"), QStringLiteral("0"));
    EXPECT_EQ(settings.mapGeometry(), std::nullopt);
    settings.setText(QStringLiteral("ESMapW"), QStringLiteral("wide"));
    EXPECT_EQ(settings.mapGeometry(), std::nullopt);
}

// The settings window offers each key as the program reads it: its
// default is a value it takes, and a number's range is exactly the one used.
TEST(SettingMeanings, FormsAgreeWithWhatTheProgramTakes)
{
    int offered = 0;
    for (const SettingMeaning& meaning : settingMeanings()) {
        const SettingForm& form = meaning.form;
        if (form.kind == SettingForm::Kind::None)
            continue;
        ++offered;
        SCOPED_TRACE(meaning.key.toStdString());
        EXPECT_NE(form.label, nullptr);
        EXPECT_TRUE(meaning.uses(meaning.missing));
        if (form.kind == SettingForm::Kind::Number) {
            EXPECT_TRUE(meaning.uses(QString::number(form.low)));
            EXPECT_TRUE(meaning.uses(QString::number(form.high)));
            EXPECT_FALSE(meaning.uses(QString::number(qint64(form.low) - 1)));
        }
        for (const SettingChoice& choice : form.choices)
            EXPECT_TRUE(meaning.uses(choice.value)) << choice.value.toStdString();
    }
    EXPECT_EQ(offered, 11);
}

} // namespace
