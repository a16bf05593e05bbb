// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

// The error rule of every handler and procedure: the first failing step
// ends it at once and silently, and the steps already done stay done. A
// failing step throws ProcedureFailure; each handler catches it at its top.
struct ProcedureFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};
