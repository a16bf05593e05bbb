// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_geometry.h"

#include "core/settings/program_settings.h"
#include "window/form1.h"
#include "window/graphics_setup.h"

#include <QGuiApplication>

namespace {

// Where the window system places windows itself (Wayland) the position the
// program sees is not where the window is; storing it would only overwrite
// a good one from an earlier X11 session.
bool positionsAreMeaningful()
{
    return placesWindows(QGuiApplication::platformName());
}

} // namespace

bool positionIsWorthKeeping(const Form1& window)
{
    return window.Top() > 0 && !window.isMinimized();
}

void storePaneGeometry(ProgramSettings& settings, const Form1& window)
{
    settings.setPaneSize(window.Width(), window.Height());
    if (positionsAreMeaningful())
        settings.setPanePosition(window.Top(), window.Left());
}

void storeCompactPosition(ProgramSettings& settings, const Form1& window)
{
    if (positionsAreMeaningful())
        settings.setCompactPosition(window.Top(), window.Left());
}
