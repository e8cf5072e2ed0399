// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace stockcalc {

// Reads the longest leading number of a text and ignores the rest. Blanks,
// tabs and line feeds are skipped wherever they stand ("1 2" is 12). The
// decimal point is always ".", whatever the process locale says. A text
// with no digits at the start reads as 0; this never fails.
//
// Forms read:
//   [+|-] digits with at most one "."  [E|e|D|d [+|-] digits]
//   &H hex-digits, &O octal-digits (letters in either case)
// An exponent marker without digits ends the number before the marker.
// &H and &O read a non-negative integer of at most 64 bits; more than that
// is out of range. A value beyond the double range reads as +/-infinity
// (which the writers refuse to show), one below it as zero.
double ParseLeadingNumber(std::string_view text);

// Converts a whole text, apart from blanks before and after, as one decimal
// number of the form above (no &H / &O, no text after it, no inner blanks).
// Returns nothing when the text is not such a number.
std::optional<double> ParseWholeNumber(std::string_view text);

// The whole-text number where the text is one, else its leading number: how
// the windows that convert whole texts read a text such as 300股 or 10%.
double ParseWholeOrLeadingNumber(std::string_view text);

}  // namespace stockcalc
