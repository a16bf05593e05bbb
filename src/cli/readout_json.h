#pragma once

#include "alert/page_refresh.h"

#include <QByteArray>

struct ReadoutState;

// One line of JSON describing the state a refresh left, newline-terminated.
QByteArray readoutJson(const char* outcome, const ReadoutState& state);
