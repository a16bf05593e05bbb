// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/interface_language.h"

#include "core/text/english_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <cstdio>

Translators installInterfaceLanguage(InterfaceLanguage language)
{
    Translators installed;
    if (language == InterfaceLanguage::English) {
        std::unique_ptr<QTranslator> english = installEnglishTexts();
        if (english)
            installed.push_back(std::move(english));
        else
            std::fputs("ondrel: the English texts are missing; showing the Japanese ones\n",
                       stderr);
        return installed;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get()))
        return installed; // Qt's own texts stay English
    installed.push_back(std::move(translator));
    return installed;
}
