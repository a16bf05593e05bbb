// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/status/es_notice_policy.h"

#include <QString>

// The notice policy's memory in a small file, so that a restart neither
// repeats the last notice nor forgets its cool-down.

// $XDG_STATE_HOME/ondrel/NAME (~/.local/state/ondrel/NAME).
QString stateFilePath(const QString& name);

// What `path` holds; empty when it is missing or unreadable.
EsNoticePolicy::Memory loadNoticeMemory(const QString& path);

// Writes `memory` to `path` atomically; why not, when it failed.
QString saveNoticeMemory(const QString& path, const EsNoticePolicy::Memory& memory);
