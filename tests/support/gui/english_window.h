// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/gui/form_fixture.h"
#include "window/history_feature.h"
#include "window/interface_language.h"

#include <QTest>

#include <memory>

// Installed before the window is made, as the program does for ESLang=en.
struct EnglishTexts {
    Translators translators = installInterfaceLanguage(InterfaceLanguage::English);
};

// The window in English with the history feature as the program has it.
struct EnglishWindow : EnglishTexts, FormFixture {
    // Shows the window, then one refresh of the realistic page (Es caution
    // at Kokubunji) and one tick of the countdown.
    void start()
    {
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        load();
        deliverPage();
        controller->Timer2_Timer();
    }

    HistoryFeature history{*window, loop, FormFixture::settings, [] { return QString(); }};
};
