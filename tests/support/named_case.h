// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

// Lets GoogleTest print a table row by its name instead of its bytes, so
// CTest lists readable test names. Use after the row's struct, in its namespace.
#define ONDREL_NAMED_CASE(Type)                                                                    \
    [[maybe_unused]] void PrintTo(const Type& row, std::ostream* os)                               \
    {                                                                                              \
        *os << row.name;                                                                           \
    }
