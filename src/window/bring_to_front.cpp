// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/bring_to_front.h"

#include <QWidget>

void bringToFront(QWidget& window)
{
    if (window.isMinimized())
        window.showNormal();
    else
        window.show();
    window.raise();
    window.activateWindow();
}
