// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "calc/form.h"

namespace stockcalc {

inline constexpr int kFormCount = 9;

// The trading-costs window: beside the nine, outside their switch table.
inline constexpr int kFeesForm = 10;

// Creates the calculator of window FormN (1 to 9); its load step has not run.
std::unique_ptr<Form> CreateForm(int number, Prompter& prompter);

}  // namespace stockcalc
