// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class SettingsStore;

// What a text typed into ESHost makes of the page base.
struct PageBase {
    QString base;    // what the page paths are appended to
    QString problem; // why the text was refused, empty when it was not
};

// A bare host, with port and path if any ("wdc.nict.go.jp",
// "127.0.0.1:8080/mirror"), is taken as http; http and https addresses
// serve as given, trailing "/" dropped. Empty text gives the provider's
// address; anything else is refused in favour of it.
PageBase pageBaseFor(const QString& text);

// The page base from ESHost in section "ESConf". A refused value is told in
// one line through `report`, by default on standard error.
QString storedPageBase(SettingsStore& settings,
                       const std::function<void(const QString&)>& report = {});
