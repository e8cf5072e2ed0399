// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace stockcalc {

// The plain text of a number: rounded to 15 significant digits, the shortest
// decimal text of that ("0.5", "-3", "987", never a trailing "." or zero).
// From 1E+15 up and below 1E-05 it uses exponent form ("1.5E+20", "1E-06"),
// which ParseLeadingNumber reads back. Zero is "0", also when negative.
// Throws NoResult for a value that is not finite.
std::string NumberText(double x);

// x * 10^places in double arithmetic, to the nearest integer with an exact
// half going to the even one, divided by 10^places (places 0 to 2).
double RoundDecimals(double x, int places);
inline double RoundTwoDecimals(double x) { return RoundDecimals(x, 2); }

// x taken at 15 significant digits, rounded to `places` decimals with a half
// going away from zero, written as an optional "-", integer digits (at least
// one), and for places > 0 a "." with exactly that many decimals. No grouping
// and no exponent form; a value that rounds to zero has no minus sign.
// Throws NoResult for a value that is not finite.
std::string FormatDecimals(double x, int places);
inline std::string FormatTwoDecimals(double x) { return FormatDecimals(x, 2); }

}  // namespace stockcalc
