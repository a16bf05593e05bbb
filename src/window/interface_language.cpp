// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <cstdio>

Translators installInterfaceLanguage(InterfaceLanguage language)
{
    Translators installed;
    auto translator = std::make_unique<QTranslator>();
    if (language == InterfaceLanguage::English) {
        if (!translator->load(QStringLiteral(":/i18n/ondrel_en.qm")) ||
            !QCoreApplication::installTranslator(translator.get())) {
            std::fputs("ondrel: the English texts are missing; showing the Japanese ones\n",
                       stderr);
            return installed;
        }
    } else if (!translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"),
                                 QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
               !QCoreApplication::installTranslator(translator.get())) {
        return installed; // Qt's own texts stay English
    }
    installed.push_back(std::move(translator));
    return installed;
}
