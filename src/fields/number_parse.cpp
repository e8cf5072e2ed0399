// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/number_parse.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace stockcalc {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
// One comparison rather than two: digits are read a character at a time.
bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') < 10U; }

// Walks a text one character at a time, optionally passing over blanks.
class Cursor {
 public:
  Cursor(std::string_view text, bool skip_blanks) : text_(text), skip_blanks_(skip_blanks) { SkipBlanks(); }
  [[nodiscard]] char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void Next() {
    ++pos_;
    SkipBlanks();
  }
  [[nodiscard]] std::size_t Position() const { return pos_; }
  [[nodiscard]] std::size_t Remaining() const { return text_.size() - pos_; }
  // Appends the run of digits at the cursor to `out`, blanks within and
  // after it passed over as Next() would; returns whether there was one.
  // One loop over the text rather than a Peek and a Next per digit, as
  // numbers can be as long as a box holds.
  template <typename Out>
  bool TakeDigits(Out& out) {
    const std::size_t before = out.size();
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (IsDigit(c)) {
        out.push_back(c);
      } else if (!(skip_blanks_ && IsBlank(c))) {
        break;
      }
      ++pos_;
    }
    return out.size() != before;
  }
  void Reset(std::size_t pos) { pos_ = pos; }

 private:
  void SkipBlanks() {
    while (skip_blanks_ && pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  std::string_view text_;
  bool skip_blanks_;
  std::size_t pos_ = 0;
};

// The characters of a number as std::from_chars will read them. Room for
// all of them is made at once, from the length of the text still to read:
// on the stack for any text a box holds, on the heap only beyond that. So
// reading a number allocates nothing, and adding a character checks no
// capacity.
class NumberBuffer {
 public:
  // `most`: at least the characters still to read, plus two.
  explicit NumberBuffer(std::size_t most) {
    most += kExponentRoom;
    if (most > stack_.size()) {
      heap_.resize(most);
      data_ = heap_.data();
    }
  }
  NumberBuffer(const NumberBuffer&) = delete;
  NumberBuffer& operator=(const NumberBuffer&) = delete;

  void push_back(char c) { data_[size_++] = c; }
  void pop_back() { --size_; }
  [[nodiscard]] std::size_t size() const { return size_; }
  [[nodiscard]] std::string_view View() const { return {data_, size_}; }

  // Appends "e" and the exponent.
  void AppendExponent(std::int64_t exponent) {
    data_[size_++] = 'e';
    char* const end = std::to_chars(data_ + size_, data_ + size_ + kExponentRoom - 1, exponent).ptr;
    size_ = static_cast<std::size_t>(end - data_);
  }

 private:
  static constexpr std::size_t kExponentRoom = 24;  // "e", a sign and 19 digits, with room to spare
  std::array<char, 320> stack_;
  std::string heap_;
  char* data_ = stack_.data();
  std::size_t size_ = 0;
};

struct Scanned {
  double value = 0.0;
  bool has_digits = false;
  std::size_t end = 0;  // where the number's last character ends
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

int DigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// &H / &O: an unsigned integer of at most 64 bits; beyond that the value is
// out of range and reads as infinity, like a decimal exponent overflow.
Scanned ScanRadixInteger(Cursor& cur, unsigned radix) {
  Scanned out;
  std::uint64_t value = 0;
  bool overflow = false;
  for (int d = DigitValue(cur.Peek()); d < static_cast<int>(radix); d = DigitValue(cur.Peek())) {
    const auto digit = static_cast<std::uint64_t>(d);
    if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / radix) overflow = true;
    value = value * radix + digit;
    out.has_digits = true;
    cur.Next();
    out.end = cur.Position();
  }
  out.value = overflow ? kInfinity : static_cast<double>(value);
  return out;
}

std::size_t LeadingZeros(std::string_view digits) {
  const auto first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? digits.size() : first;
}

// Converts a number read as "digits[.digits]" (its first int_count characters
// the whole part) times ten to the exponent, rounding once.
double ToDouble(bool negative, NumberBuffer& number, std::size_t int_count, std::int64_t exponent) {
  const std::string_view int_digits = number.View().substr(0, int_count);
  const std::string_view frac_digits =
      int_count < number.size() ? number.View().substr(int_count + 1) : std::string_view();
  const auto int_zeros = LeadingZeros(int_digits);
  const auto frac_zeros = LeadingZeros(frac_digits);
  const double sign = negative ? -1.0 : 1.0;
  if (int_zeros == int_digits.size() && frac_zeros == frac_digits.size()) return sign * 0.0;
  // Out of range, the position of the first significant digit says which way.
  const std::int64_t magnitude = int_zeros < int_digits.size()
                                     ? static_cast<std::int64_t>(int_digits.size() - int_zeros) + exponent
                                     : exponent - static_cast<std::int64_t>(frac_zeros);

  number.AppendExponent(exponent);
  const std::string_view text = number.View();
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) return sign * (magnitude > 0 ? kInfinity : 0.0);
  return sign * value;
}

Scanned ScanDecimal(Cursor& cur) {
  Scanned out;
  bool negative = false;
  if (cur.Peek() == '+' || cur.Peek() == '-') {
    negative = cur.Peek() == '-';
    cur.Next();
  }
  // The number as std::from_chars will read it: its digits without the
  // blanks between them, "0" for a missing whole part, and no "." unless
  // decimals follow it.
  NumberBuffer number(cur.Remaining() + 2);
  const bool has_int_digits = cur.TakeDigits(number);
  if (!has_int_digits) number.push_back('0');
  const std::size_t int_count = number.size();
  std::size_t end = cur.Position();
  if (cur.Peek() == '.') {
    cur.Next();
    end = cur.Position();
    number.push_back('.');
    if (cur.TakeDigits(number)) {
      end = cur.Position();
    } else {
      number.pop_back();  // "5." reads as 5
    }
  }
  if (!has_int_digits && number.size() == int_count) return out;
  out.has_digits = true;
  out.end = end;

  // The exponent saturates far beyond the double range, so it cannot wrap.
  constexpr std::int64_t kExponentCap = 1'000'000'000;
  std::int64_t exponent = 0;
  const char marker = cur.Peek();
  if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
    const std::size_t before_marker = cur.Position();
    cur.Next();
    bool exp_negative = false;
    if (cur.Peek() == '+' || cur.Peek() == '-') {
      exp_negative = cur.Peek() == '-';
      cur.Next();
    }
    bool exp_digits = false;
    while (IsDigit(cur.Peek())) {
      exponent = std::min(kExponentCap, exponent * 10 + (cur.Peek() - '0'));
      exp_digits = true;
      cur.Next();
      out.end = cur.Position();
    }
    if (exp_digits) {
      if (exp_negative) exponent = -exponent;
    } else {
      exponent = 0;
      cur.Reset(before_marker);
    }
  }
  out.value = ToDouble(negative, number, int_count, exponent);
  return out;
}

Scanned ScanNumber(std::string_view text, bool skip_blanks, bool allow_radix) {
  Cursor cur(text, skip_blanks);
  if (allow_radix && cur.Peek() == '&') {
    cur.Next();
    const char kind = cur.Peek();
    if (kind == 'H' || kind == 'h' || kind == 'O' || kind == 'o') {
      cur.Next();
      return ScanRadixInteger(cur, (kind == 'H' || kind == 'h') ? 16U : 8U);
    }
    return {};
  }
  return ScanDecimal(cur);
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
  return ScanNumber(text, /*skip_blanks=*/true, /*allow_radix=*/true).value;
}

std::optional<double> ParseWholeNumber(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\n");
  if (first == std::string_view::npos) return std::nullopt;
  const auto last = text.find_last_not_of(" \t\n");
  const std::string_view core = text.substr(first, last - first + 1);
  const Scanned scanned = ScanNumber(core, /*skip_blanks=*/false, /*allow_radix=*/false);
  if (!scanned.has_digits || scanned.end != core.size()) return std::nullopt;
  return scanned.value;
}

double ParseWholeOrLeadingNumber(std::string_view text) {
  return ParseWholeNumber(text).value_or(ParseLeadingNumber(text));
}

}  // namespace stockcalc
