#include "app/window_geometry.h"

#include "app/stored_settings.h"
#include "support/number_text.h"
#include "view/form1.h"

namespace {

void storeTwips(SettingsStore& settings, const char* key, int twips)
{
    store(settings, QLatin1String(key), singleToText(static_cast<float>(twips)));
}

} // namespace

void storePaneGeometry(SettingsStore& settings, const Form1& window)
{
    storeTwips(settings, "ESW", window.Width());
    storeTwips(settings, "ESH", window.Height());
    storeTwips(settings, "ESWT", window.Top());
    storeTwips(settings, "ESWL", window.Left());
}

void storeCompactPosition(SettingsStore& settings, const Form1& window)
{
    storeTwips(settings, "ESTop", window.Top());
    storeTwips(settings, "ESLeft", window.Left());
}
