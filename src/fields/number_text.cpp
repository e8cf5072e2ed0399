// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "fields/no_result.h"

namespace stockcalc {

double RequireFinite(double x) {
  if (!std::isfinite(x)) throw NoResult();
  return x;
}

namespace {

constexpr int kSignificantDigits = 15;

// A finite nonzero value at 15 significant digits: value = 0.d1d2...d15 * 10^(exponent + 1).
struct Decimal15 {
  bool negative = false;
  std::string digits;  // exactly 15 digits, the first one nonzero
  int exponent = 0;    // power of ten of the first digit
};

Decimal15 ToDecimal15(double x) {
  std::array<char, 40> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific,
                                    kSignificantDigits - 1);
  const std::string_view text(buf.data(), static_cast<std::size_t>(result.ptr - buf.data()));
  Decimal15 out;
  std::size_t i = 0;
  if (text[i] == '-') {
    out.negative = true;
    ++i;
  }
  const auto e = text.find('e');
  for (; i < e; ++i) {
    if (text[i] != '.') out.digits.push_back(text[i]);
  }
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), out.exponent);
  return out;
}

}  // namespace

ShortText& ShortText::operator+=(std::string_view text) {
  if (text.size() > chars_.size() - size_) throw std::length_error("ShortText: text too long");
  text.copy(chars_.data() + size_, text.size());
  size_ += text.size();
  return *this;
}

ShortText& ShortText::Append(std::size_t count, char c) {
  for (std::size_t i = 0; i < count; ++i) *this += c;
  return *this;
}

std::string NumberText(double x) { return std::string(NumberShortText(x).View()); }

ShortText NumberShortText(double x) {
  RequireFinite(x);
  ShortText out;
  if (x == 0.0) return out += '0';
  Decimal15 d = ToDecimal15(x);
  if (d.exponent == 308 && d.digits > "179769313486231") {
    // Rounding up to 15 digits would leave the double range; keep the text
    // readable by taking the largest 15-digit value that is still a double.
    d.digits = "179769313486231";
  }
  const auto last = d.digits.find_last_not_of('0');
  d.digits.resize(last + 1);
  const std::string_view digits = d.digits;

  if (d.negative) out += '-';
  if (d.exponent >= 15 || d.exponent < -5) {
    out += digits[0];
    if (digits.size() > 1) (out += '.') += digits.substr(1);
    out += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) out += '0';
    std::array<char, 8> magnitude_text{};
    const char* end =
        std::to_chars(magnitude_text.data(), magnitude_text.data() + magnitude_text.size(), magnitude).ptr;
    out += std::string_view(magnitude_text.data(), static_cast<std::size_t>(end - magnitude_text.data()));
  } else if (d.exponent >= 0) {
    const auto int_len = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= int_len) {
      (out += digits).Append(int_len - digits.size(), '0');
    } else {
      ((out += digits.substr(0, int_len)) += '.') += digits.substr(int_len);
    }
  } else {
    (out += "0.").Append(static_cast<std::size_t>(-d.exponent - 1), '0') += digits;
  }
  return out;
}

double RoundDecimals(double x, int places) {
  static constexpr std::array<double, 3> kScale = {1.0, 10.0, 100.0};
  if (places < 0 || places >= static_cast<int>(kScale.size())) {
    throw std::invalid_argument("RoundDecimals: places must be 0, 1 or 2");
  }
  const double scale = kScale[static_cast<std::size_t>(places)];
  const double y = x * scale;
  double r = std::floor(y);
  const double diff = y - r;  // exact: r and y are within one of each other
  if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
  return r / scale;
}

std::string FormatDecimals(double x, int places) {
  RequireFinite(x);
  if (places < 0) throw std::invalid_argument("FormatDecimals: places must not be negative");
  const auto frac_len = static_cast<std::size_t>(places);
  if (x == 0.0) return frac_len == 0 ? "0" : "0." + std::string(frac_len, '0');

  const Decimal15 d = ToDecimal15(x);
  // All digits from the ones place on, with the decimal point after `point` digits.
  std::string digits;
  std::size_t point = 0;
  if (d.exponent < 0) {
    digits.assign(static_cast<std::size_t>(-d.exponent - 1), '0').append(d.digits);
  } else {
    point = static_cast<std::size_t>(d.exponent) + 1;
    digits = d.digits;
  }
  if (digits.size() < point + frac_len) digits.append(point + frac_len - digits.size(), '0');

  // Half away from zero: look at the first dropped digit, then carry.
  const std::size_t keep = point + frac_len;
  const bool round_up = digits.size() > keep && digits[keep] >= '5';
  digits.resize(keep);
  if (round_up) {
    std::size_t i = keep;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
      ++point;
    } else {
      ++digits[i - 1];
    }
  }

  std::string int_part = digits.substr(0, point);
  const auto first = int_part.find_first_not_of('0');
  int_part = first == std::string::npos ? "0" : int_part.substr(first);
  const std::string frac_part = digits.substr(point);

  const bool all_zero = digits.find_first_not_of('0') == std::string::npos;
  std::string out = (d.negative && !all_zero) ? "-" : "";
  out += int_part;
  if (frac_len > 0) out.append(".").append(frac_part);
  return out;
}

}  // namespace stockcalc
