// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/engine_sandbox.h"

bool engineWouldEndTheProgram(uid_t effectiveUser, const QProcessEnvironment& environment)
{
    if (effectiveUser != 0)
        return false;
    // Qt WebEngine takes the variable's presence, whatever its value.
    if (environment.contains(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX")))
        return false;
    const QStringList flags = environment.value(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"))
                                  .split(u' ', Qt::SkipEmptyParts);
    return !flags.contains(QStringLiteral("--no-sandbox"));
}
