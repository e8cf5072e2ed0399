// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace stockcalc {

// Thrown when a computation has no finite value to show (a division by
// zero, a value beyond the double range). The window that ran the
// computation puts its texts back as they were and says so in a message.
class NoResult : public std::runtime_error {
 public:
  NoResult() : std::runtime_error("no finite result") {}
};

// Returns x, or throws NoResult when x is infinite or not a number.
double RequireFinite(double x);

}  // namespace stockcalc
