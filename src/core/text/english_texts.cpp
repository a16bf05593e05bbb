// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/english_texts.h"

#include <QCoreApplication>

std::unique_ptr<QTranslator> installEnglishTexts()
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/ondrel_en.qm")) ||
        !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}
