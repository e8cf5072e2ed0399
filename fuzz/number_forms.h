// SPDX-License-Identifier: GPL-3.0-or-later
// The few forms in which the program writes a number, matched by hand: a
// regular expression costs more than the click whose output it checks.
#pragma once

#include <cstddef>
#include <string_view>

namespace stockcalc::fuzz {

enum class Number {
  Amount,  // FormatDecimals(x, 2): -?(0|[1-9][0-9]*)\.[0-9]{2}
  Whole,   // FormatDecimals(x, 0): -?(0|[1-9][0-9]*)
  Text,    // NumberText(x): at most 15 significant digits, no trailing zero after
           // the point; plain from 1E-05 up to below 1E+15, else d.dddE+XX / E-XX
};

// A number with a fixed text before and after it ("上涨：", "元").
struct Shape {
  std::string_view prefix;
  Number number = Number::Amount;
  std::string_view suffix = {};
};

enum class Verdict {
  Fits,
  MinusZero,  // in the form, but a zero with a minus sign, which none allows
  Other,
};

namespace detail {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::size_t DigitsFrom(std::string_view s, std::size_t i) {
  std::size_t end = i;
  while (end < s.size() && IsDigit(s[end])) ++end;
  return end - i;
}

constexpr bool AllZero(std::string_view s) {
  for (const char c : s) {
    if (c != '0' && c != '.' && c != '-') return false;
  }
  return true;
}

// The exponent after "E": a sign and two digits, or three without a leading zero.
constexpr bool ExponentFits(std::string_view s) {
  if (s.size() != 3 && s.size() != 4) return false;
  if ((s[0] != '+' && s[0] != '-') || DigitsFrom(s, 1) != s.size() - 1) return false;
  if (s.size() == 4 && s[1] == '0') return false;
  int value = 0;
  for (std::size_t i = 1; i < s.size(); ++i) value = value * 10 + (s[i] - '0');
  // Plain text covers 1E-05 up to below 1E+15; doubles reach 1.8E+308 and 4.9E-324.
  return s[0] == '+' ? value >= 15 && value <= 308 : value >= 6 && value <= 324;
}

constexpr bool TextFits(std::string_view s, std::size_t int_digits) {
  std::size_t frac_digits = 0;
  std::size_t end = int_digits;
  if (end < s.size() && s[end] == '.') {
    frac_digits = DigitsFrom(s, end + 1);
    if (frac_digits == 0 || s[end + frac_digits] == '0') return false;  // "1." or "1.50"
    end += 1 + frac_digits;
  }
  if (end == s.size()) {  // plain
    if (int_digits > 15) return false;
    if (s[0] != '0') return int_digits + frac_digits <= 15;
    std::size_t leading = 0;  // zeros after "0."
    while (leading < frac_digits && s[2 + leading] == '0') ++leading;
    return leading <= 4 && frac_digits - leading <= 15;
  }
  if (s[end] != 'E' || int_digits != 1 || s[0] == '0' || 1 + frac_digits > 15) return false;
  return ExponentFits(s.substr(end + 1));
}

}  // namespace detail

constexpr Verdict MatchNumber(std::string_view s, Number number) {
  using namespace detail;
  const bool negative = !s.empty() && s[0] == '-';
  const std::string_view all = s;
  if (negative) s.remove_prefix(1);
  const std::size_t int_digits = DigitsFrom(s, 0);
  if (int_digits == 0 || (int_digits > 1 && s[0] == '0')) return Verdict::Other;
  bool fits = false;
  switch (number) {
    case Number::Whole: fits = int_digits == s.size(); break;
    case Number::Amount:
      fits = s.size() == int_digits + 3 && s[int_digits] == '.' && DigitsFrom(s, int_digits + 1) == 2;
      break;
    case Number::Text: fits = TextFits(s, int_digits); break;
  }
  if (!fits) return Verdict::Other;
  return negative && AllZero(all) ? Verdict::MinusZero : Verdict::Fits;
}

constexpr Verdict Match(std::string_view text, const Shape& shape) {
  if (text.size() < shape.prefix.size() + shape.suffix.size() || !text.starts_with(shape.prefix) ||
      !text.ends_with(shape.suffix))
    return Verdict::Other;
  text.remove_prefix(shape.prefix.size());
  text.remove_suffix(shape.suffix.size());
  return MatchNumber(text, shape.number);
}

namespace detail {

// The matchers on the texts that mark each form's edges.
struct Example {
  std::string_view text;
  Number number;
  Verdict verdict;
};
constexpr Example kExamples[] = {
    {"0.00", Number::Amount, Verdict::Fits},
    {"-12.50", Number::Amount, Verdict::Fits},
    {"-0.00", Number::Amount, Verdict::MinusZero},
    {"012.50", Number::Amount, Verdict::Other},
    {"1.5", Number::Amount, Verdict::Other},
    {"1.500", Number::Amount, Verdict::Other},
    {"inf", Number::Amount, Verdict::Other},
    {"", Number::Amount, Verdict::Other},
    {"-3", Number::Whole, Verdict::Fits},
    {"-0", Number::Whole, Verdict::MinusZero},
    {"0.5", Number::Text, Verdict::Fits},
    {"-0", Number::Text, Verdict::MinusZero},
    {"0.50", Number::Text, Verdict::Other},
    {"1.", Number::Text, Verdict::Other},
    {"0.00001", Number::Text, Verdict::Fits},
    {"0.000001", Number::Text, Verdict::Other},
    {"999999999999999", Number::Text, Verdict::Fits},
    {"1000000000000000", Number::Text, Verdict::Other},
    {"1.23456789012345", Number::Text, Verdict::Fits},
    {"1.234567890123456", Number::Text, Verdict::Other},
    {"1.5E+20", Number::Text, Verdict::Fits},
    {"1E-06", Number::Text, Verdict::Fits},
    {"1E+14", Number::Text, Verdict::Other},
    {"1E-05", Number::Text, Verdict::Other},
    {"1.79769313486231E+308", Number::Text, Verdict::Fits},
    {"4.94065645841247E-324", Number::Text, Verdict::Fits},
    {"1E+309", Number::Text, Verdict::Other},
    {"1E+015", Number::Text, Verdict::Other},
    {"10E+20", Number::Text, Verdict::Other},
    {"nan", Number::Text, Verdict::Other},
};
constexpr bool ExamplesHold() {
  for (const Example& e : kExamples) {
    if (MatchNumber(e.text, e.number) != e.verdict) return false;
  }
  return true;
}
static_assert(ExamplesHold());
static_assert(Match("上涨：-1.25元", {"上涨：", Number::Amount, "元"}) == Verdict::Fits);
static_assert(Match("上涨：-1.25", {"上涨：", Number::Amount, "元"}) == Verdict::Other);

}  // namespace detail

}  // namespace stockcalc::fuzz
