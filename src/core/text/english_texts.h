// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTranslator>

#include <memory>

// Ondrel's English texts (translations/ondrel_en.ts, compiled into the
// core's resources), installed on the application for as long as the
// translator lives; nothing when they cannot be loaded or installed.
std::unique_ptr<QTranslator> installEnglishTexts();
