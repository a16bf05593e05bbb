// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class FormController;

// The window's start-up and shut-down.
class Startup {
public:
    explicit Startup(FormController& form) : m_form(form) {}

    // `arguments`: the command-line text after the program's name.
    void Form_Load(const QString& arguments);
    void Form_Unload();

private:
    void restoreCompactPosition();
    void prepareReadout();
    void deleteStaleFiles();

    FormController& m_form;
};
