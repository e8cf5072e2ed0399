// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/exact_decimal.h"

#include <algorithm>
#include <stdexcept>

namespace stockcalc {
namespace {

constexpr int kMaxDigits = 30;

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<ExactDecimal> ParseExactDecimal(std::string_view text, int max_scale) {
  text = Trimmed(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  ExactDecimal value;
  int digits = 0;
  bool point = false;
  for (const char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      if (++digits > kMaxDigits) return std::nullopt;
      value.digits = value.digits * 10 + (c - '0');
      if (point) ++value.scale;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || value.scale > max_scale) return std::nullopt;
  if (negative) value.digits = -value.digits;
  return value;
}

Int128 PowerOfTen(int n) {
  if (n < 0 || n > 38) throw std::out_of_range("10^n beyond 128 bits");
  Int128 power = 1;
  for (int i = 0; i < n; ++i) power *= 10;
  return power;
}

Int128 DivideRounded(Int128 numerator, Int128 denominator) {
  const Int128 magnitude = numerator < 0 ? -numerator : numerator;
  const Int128 rounded = (2 * magnitude + denominator) / (2 * denominator);
  return numerator < 0 ? -rounded : rounded;
}

std::optional<Int128> ParseCents(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos || text.size() - point != 3) return std::nullopt;
  const auto value = ParseExactDecimal(text, 2);
  if (!value || value->scale != 2) return std::nullopt;
  return value->digits;
}

std::string IntegerText(Int128 value) {
  const bool negative = value < 0;
  std::string digits;
  do {
    const auto digit = static_cast<int>(value % 10);
    digits.push_back(static_cast<char>('0' + (digit < 0 ? -digit : digit)));
    value /= 10;
  } while (value != 0);
  if (negative) digits.push_back('-');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

std::string CentsText(Int128 cents) {
  const Int128 magnitude = cents < 0 ? -cents : cents;
  std::string hundredths = IntegerText(magnitude % 100);
  if (hundredths.size() < 2) hundredths.insert(0, 1, '0');
  return (cents < 0 ? "-" : "") + IntegerText(magnitude / 100) + "." + hundredths;
}

}  // namespace stockcalc
