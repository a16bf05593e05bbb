// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/program_settings.h"

#include <QTranslator>

#include <memory>
#include <vector>

using Translators = std::vector<std::unique_ptr<QTranslator>>;

// Installs the texts of `language` on the application, for as long as the
// translators live. English: Ondrel's texts from translations/ondrel_en.ts
// (Qt's own are English already). Japanese, the texts' own language: Qt's
// own texts (dialog buttons, the file dialog) from Qt's translations
// (Debian's qt6-translations-l10n), when installed. Widgets take their
// texts when they are made, so this comes before the window.
Translators installInterfaceLanguage(InterfaceLanguage language);
