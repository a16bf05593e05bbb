// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class BrowserView;
class Form1;
class ProgramSettings;
class RefreshLoop;
class Timer;
struct FormState;

// The window's start-up and shut-down.
class Startup {
public:
    // Start-up touches nearly every part of the window.
    struct Parts {
        Form1& window;
        FormState& form;
        RefreshLoop& loop;
        ProgramSettings& settings;
        BrowserView& browser;
        Timer& Timer1;
        Timer& Timer2;
        std::function<QString()> settingsDirectory;
    };

    explicit Startup(Parts parts) : m_parts(std::move(parts)) {}

    // `arguments`: the command-line text after the program's name.
    void Form_Load(const QString& arguments);
    void Form_Unload();

private:
    void restoreCompactPosition();
    void prepareReadout();
    void deleteStaleFiles();

    Parts m_parts;
};
