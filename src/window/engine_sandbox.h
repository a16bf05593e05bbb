// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>

#include <sys/types.h>

// Chromium, the pane's engine, ends the whole process (status 1) when it
// starts as root with its sandbox on. Whether it would for this user and
// environment: the user may turn the sandbox off (QTWEBENGINE_DISABLE_SANDBOX,
// or --no-sandbox in QTWEBENGINE_CHROMIUM_FLAGS); Ondrel never does.
bool engineWouldEndTheProgram(uid_t effectiveUser, const QProcessEnvironment& environment);
