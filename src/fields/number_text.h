// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace stockcalc {

// The plain text of a number: rounded to 15 significant digits, the shortest
// decimal text of that ("0.5", "-3", "987", never a trailing "." or zero).
// From 1E+15 up and below 1E-05 it uses exponent form ("1.5E+20", "1E-06"),
// which ParseLeadingNumber reads back. Zero is "0", also when negative.
// Throws NoResult for a value that is not finite.
std::string NumberText(double x);

// A text of at most 32 characters kept in place. Every text NumberText
// makes fits, so a result can be read back as it will show without
// allocating. Appending past the end throws std::length_error.
class ShortText {
 public:
  ShortText& operator+=(std::string_view text);
  ShortText& operator+=(char c) { return *this += std::string_view(&c, 1); }
  ShortText& Append(std::size_t count, char c);
  [[nodiscard]] std::string_view View() const { return {chars_.data(), size_}; }

 private:
  std::array<char, 32> chars_{};
  std::size_t size_ = 0;
};

// NumberText's text, as a ShortText.
ShortText NumberShortText(double x);

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
