// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/program_settings.h"

#include <QTranslator>

#include <memory>

// Puts the English texts in place of the Japanese ones for `language`
// English: the translator built from translations/ondrel_en.ts, installed
// on the application until it is destroyed. Japanese is the texts' own
// language and needs none (nullptr). Widgets take their texts when they are
// made, so this comes before the window.
std::unique_ptr<QTranslator> installInterfaceLanguage(InterfaceLanguage language);
