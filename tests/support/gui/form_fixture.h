// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/refresh/refresh_loop.h"
#include "core/settings/settings_store.h"
#include "support/fakes.h"
#include "support/gui/fake_browser.h"
#include "support/test_page.h"
#include "window/form1.h"
#include "window/form_controller.h"

#include <QTemporaryDir>

#include <memory>

// A window with every outside effect faked and its settings file in a
// temporary settings directory.
struct FormFixture {
    FormFixture()
    {
        window = std::make_unique<Form1>();
        controller = std::make_unique<FormController>(*window, loop, seams(browser));
    }

    // The fixture's fakes, with the browser given.
    FormSeams seams(BrowserView& browserView)
    {
        return {boxes,  clock, browserView, settings, [dir = directory.path()] { return dir; },
                timer1, timer2};
    }

    ~FormFixture()
    {
        controller.reset();
        window.reset();
    }

    QString settingsPath() const { return directory.filePath(QStringLiteral("Ondrel.ini")); }

    // Writes the settings file, one "key=value" per entry, in section ESConf.
    void writeSettings(const QStringList& lines) const;
    // The settings file's text, empty when there is none.
    QString settingsText() const;

    void load(const QString& arguments = {}) { controller->Form_Load(arguments); }
    // Delivers the realistic page to the running download.
    void deliverPage(const QByteArray& body = testpage::realisticBytes())
    {
        download.deliver(body);
    }

    QTemporaryDir directory;
    FakeDownload download;
    FakeMessageBoxes boxes;
    SettingsStore settings{[dir = directory.path()] { return dir; }, boxes};
    FakeClock clock;
    FakeBrowser browser;
    FakeTimer timer1;
    FakeTimer timer2;
    RefreshLoop loop{download, boxes, clock, timer1};
    std::unique_ptr<Form1> window;
    std::unique_ptr<FormController> controller;
};
