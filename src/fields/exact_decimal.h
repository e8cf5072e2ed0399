// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stockcalc {

// Money and rates counted exactly, without binary floating point: whole cents,
// and decimals as digits times a power of ten. 128 bits hold every product
// the fee arithmetic forms.
__extension__ using Int128 = __int128;

// A decimal as typed: `digits` x 10^-scale ("0.025" is 25 and 3).
struct ExactDecimal {
  Int128 digits = 0;
  int scale = 0;
};

// Reads a whole text, blanks before and after allowed, as a plain decimal:
// an optional sign, digits with at most one ".", at least one digit, at most
// `max_scale` decimals and at most 30 digits in all. Nothing else (no
// exponent, no text after it); returns nothing for any other text.
std::optional<ExactDecimal> ParseExactDecimal(std::string_view text, int max_scale);

// 10^n for n from 0 to 38.
Int128 PowerOfTen(int n);

// numerator / denominator to the nearest integer, an exact half away from
// zero. The denominator is positive.
Int128 DivideRounded(Int128 numerator, Int128 denominator);

// A "0.00" text of a price such as FormatTwoDecimals writes, in cents.
// Returns nothing for any other text.
std::optional<Int128> ParseCents(std::string_view text);

// Cents as a "0.00" text: an optional "-", the yuan, "." and two digits.
std::string CentsText(Int128 cents);

// An integer as decimal digits, with "-" when negative.
std::string IntegerText(Int128 value);

}  // namespace stockcalc
