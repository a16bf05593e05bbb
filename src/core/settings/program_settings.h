// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page/readout_state.h"
#include "core/settings/udp_listen_address.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

class SettingsStore;

// What a text typed into ESHost makes of the page base.
struct PageBase {
    QString base;    // what the page paths are appended to
    QString problem; // why the text was refused, empty when it was not
};

// The http or https address a person means by `text`: a bare host, with
// port and path if any ("wdc.nict.go.jp", "127.0.0.1:8080/mirror"), gets
// "http://" put before it; http and https addresses serve as given.
// Nothing for anything else.
std::optional<QString> httpAddressFor(const QString& text);

// What httpAddressFor makes of ESHost, trailing "/" dropped. Empty text
// gives the provider's address; anything else is refused in favour of it,
// also an address with a query or fragment.
PageBase pageBaseFor(const QString& text);

// The language of the window's texts.
enum class InterfaceLanguage { Japanese, English };

// The program's settings, section "ESConf" of the settings file. Each
// getter owns its key, its default and the values it takes; a stored
// value it does not take (or no number where one is wanted) gives the
// default. Every read and write goes to the store afresh.
class ProgramSettings {
public:
    explicit ProgramSettings(SettingsStore& store) : m_store(store) {}

    // TM2: seconds between reloads.
    int reloadPeriod();
    void setReloadPeriod(int seconds);

    // ESHost: what the page paths are appended to. A refused value is
    // told in one line through `report`, by default on standard error.
    QString alertPageBase(const std::function<void(const QString&)>& report = {});

    // ESKeepDays: how many days of history are kept.
    int keepDays();

    // ESNotify and ESNotifyCool: Es notifications on, and the least time
    // between two of the same level.
    bool notifyOn();
    void setNotifyOn(bool on);
    std::chrono::seconds notifyCooldown();
    // The bands (MHz, among 28, 50 and 144) whose opening is notified; none
    // when the key is empty. Numbers among them that are no band are left
    // out.
    std::vector<int> notifyBands();

    // ESPalette: "standard" or "cvd", the colours the readout and the tray
    // are drawn in.
    SignalPalette palette();
    void setPalette(SignalPalette palette);
    // ESLang: "en" for English texts, anything else Japanese. Read once at
    // start-up: a change shows after a restart.
    InterfaceLanguage interfaceLanguage();

    // ESHome: the home station's Maidenhead locator as canonicalLocator
    // writes it ("PM95vq"); nothing when none (or an empty one) is stored.
    // A value that is not a locator is told through `report`, by default
    // on standard error, and ignored: read it once and keep it.
    std::optional<QString> homeLocator(const std::function<void(const QString&)>& report = {});
    // Stores `locator`; an empty text removes the home.
    void setHomeLocator(const QString& locator);

    // ESDecodeUdp: where WSJT-X's and JTDX's decodes are heard, as
    // udpListenAddressOf reads it; nothing when empty (off). A value it
    // does not take is told through `report`, by default on standard
    // error, and leaves the listener off.
    std::optional<UdpListenAddress>
    decodeUdp(const std::function<void(const QString&)>& report = {});

    // ESLogFile: the ADIF logs whose contacts are judged, ";" apart; when
    // empty or missing, those of WSJT-X and JTDX that exist.
    QStringList logFiles();

    // ESMapX, ESMapY, ESMapW, ESMapH: the Es map window's position and
    // size, pixels; nothing until all four were stored as numbers, with a
    // size of 1 to 16384 each way.
    std::optional<QRect> mapGeometry();
    void setMapGeometry(const QRect& geometry);

    // ESTop, ESLeft: the compact window's position, twips.
    int compactTop();
    int compactLeft();
    void setCompactPosition(int top, int left);

    // ESW, ESH, ESWT, ESWL: the window with the browser pane, twips; the
    // size defaults to a share of the screen's.
    int paneWidth(int screenWidth);
    int paneHeight(int screenHeight);
    int paneTop();
    int paneLeft();
    void setPaneSize(int width, int height);
    void setPanePosition(int top, int left);

    // The text stored under `key`, as stored; nothing when it is missing.
    std::optional<QString> text(const QString& key);
    void setText(const QString& key, const QString& value);
    // Removes `key`; false when it was not stored.
    bool removeText(const QString& key);

private:
    int number(const QString& key, int fallback);

    SettingsStore& m_store;
};

// One of the values a Choice setting takes.
struct SettingChoice {
    QString value;     // as stored
    const char* label; // translated in the context "Settings"
};

// How the settings window offers a key. None for the keys a person does
// not set there (window positions).
struct SettingForm {
    // Address: an http(s) address, empty for the default; Text: any text
    // the key's `uses` takes; Locator: a Maidenhead locator, stored in its
    // usual spelling, or empty.
    enum class Kind { None, Number, Switch, Choice, Address, Text, Locator };
    Kind kind = Kind::None;
    const char* label = nullptr; // translated in the context "Settings"
    int low = 0;                 // Number: the values it takes
    int high = 0;
    const char* unit = nullptr; // Number: translated in the context "Settings"
    std::vector<SettingChoice> choices = {};
    const char* note = nullptr; // when it applies, translated in the context "Settings"
};

// What the program makes of a key it reads, for people editing the file
// and for the settings window.
struct SettingMeaning {
    QString key;
    QString what;     // what it sets: "reload period"
    QString takes;    // the values it uses: "60 to 900 seconds"
    QString missing;  // what it uses when the key is missing; stored form where `form` is set
    QString unusable; // what it does with a value it does not take
    std::function<bool(const QString& stored)> uses;
    SettingForm form = {};
};

// Every key the program reads, with its meaning, in the order the settings
// window lists them.
std::vector<SettingMeaning> settingMeanings();

// The meaning of the key named `key`, letter case aside as in the file;
// nothing for a key the program does not read.
std::optional<SettingMeaning> settingMeaning(const QString& key);
