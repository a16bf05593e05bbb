// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Shows `window` (restored when minimised, else as it was), raises it and
// gives it the focus: the tray's click and a second start alike.
void bringToFront(QWidget& window);
