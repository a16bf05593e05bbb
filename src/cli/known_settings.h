// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>

// What the program makes of a key of section "ESConf" it reads.
struct KnownSetting {
    QString key;
    QString takes;    // the values it uses: "60 to 900 seconds"
    QString missing;  // what it uses when the key is missing
    QString unusable; // what it does with a value it does not take
    std::function<bool(const QString& stored)> uses;
};

// The program's setting named `key`, letter case aside as in the file;
// nothing for a key the program does not read.
std::optional<KnownSetting> knownSetting(const QString& key);

// The reload period the stored TM2 gives.
int reloadPeriod(const std::optional<QString>& stored);
