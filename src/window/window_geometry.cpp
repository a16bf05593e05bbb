// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_geometry.h"

#include "window/graphics_setup.h"
#include "core/settings/stored_settings.h"
#include "core/text/number_text.h"
#include "window/form1.h"

#include <QGuiApplication>

namespace {

void storeTwips(SettingsStore& settings, const char* key, int twips)
{
    store(settings, QLatin1String(key), singleToText(static_cast<float>(twips)));
}

// Where the window system places windows itself (Wayland) the position the
// program sees is not where the window is; storing it would only overwrite
// a good one from an earlier X11 session.
bool positionsAreMeaningful()
{
    return placesWindows(QGuiApplication::platformName());
}

} // namespace

void storePaneGeometry(SettingsStore& settings, const Form1& window)
{
    storeTwips(settings, "ESW", window.Width());
    storeTwips(settings, "ESH", window.Height());
    if (!positionsAreMeaningful())
        return;
    storeTwips(settings, "ESWT", window.Top());
    storeTwips(settings, "ESWL", window.Left());
}

void storeCompactPosition(SettingsStore& settings, const Form1& window)
{
    if (!positionsAreMeaningful())
        return;
    storeTwips(settings, "ESTop", window.Top());
    storeTwips(settings, "ESLeft", window.Left());
}
