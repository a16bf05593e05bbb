// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/interface_language.h"

#include <QCoreApplication>

#include <cstdio>

std::unique_ptr<QTranslator> installInterfaceLanguage(InterfaceLanguage language)
{
    if (language != InterfaceLanguage::English)
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/ondrel_en.qm")) ||
        !QCoreApplication::installTranslator(translator.get())) {
        std::fputs("ondrel: the English texts are missing; showing the Japanese ones\n", stderr);
        return nullptr;
    }
    return translator;
}
