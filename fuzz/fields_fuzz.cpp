// SPDX-License-Identifier: GPL-3.0-or-later
// Properties of the number-field operations on any text a user can type.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/number_text.h"
#include "fuzz_text.h"
#include "number_forms.h"

namespace {

using namespace stockcalc;

void Require(bool ok, const char* what, const std::string& text) {
  if (ok) return;
  std::fprintf(stderr, "property broken: %s for [%s]\n", what, text.c_str());
  std::abort();
}

void CheckCleaning(const std::string& text) {
  const UnitList lists[] = {units::kYuan, units::kYuanPercent, units::kShares, units::kPieces,
                            units::kPercent};
  for (const UnitList units : lists) {
    TextControl box(ControlKind::TextBox, text);
    CleanNumberField(box, units);
    const std::string once = box.Text();
    CleanNumberField(box, units);
    Require(box.Text() == once, "CleanNumberField is idempotent", text);
    for (const char* mark : {"。", "，", ","})
      Require(once.find(mark) == std::string::npos, "no separator left", text);
    for (const std::string_view unit : units)
      Require(once.find(unit) == std::string::npos, "no unit left", text);
  }
}

void CheckFormats(double x, const std::string& context) {
  using fuzz::Number;
  using fuzz::Verdict;
  if (!std::isfinite(x)) return;
  const std::string two = FormatTwoDecimals(x);
  Require(fuzz::MatchNumber(two, Number::Amount) == Verdict::Fits, "FormatTwoDecimals form, never -0.00",
          context + " -> " + two);
  const std::string none = FormatDecimals(x, 0);
  Require(fuzz::MatchNumber(none, Number::Whole) == Verdict::Fits, "FormatDecimals(x, 0) form, never -0",
          context + " -> " + none);

  const std::string text = NumberText(x);
  Require(fuzz::MatchNumber(text, Number::Text) == Verdict::Fits, "NumberText form", context + " -> " + text);
  const double back = ParseLeadingNumber(text);
  Require(std::isfinite(back) && NumberText(back) == text, "NumberText reads back", context + " -> " + text);
  const double rounded = RoundTwoDecimals(x);
  if (std::isfinite(rounded))
    Require(FormatTwoDecimals(rounded) == FormatTwoDecimals(ParseLeadingNumber(NumberText(rounded))),
            "rounded value survives its text", context);
}

void CheckWholeNumber(const std::string& text) {
  const auto whole = ParseWholeNumber(text);
  if (!whole) return;
  // Accepted only when the leading number is the whole text (blanks aside).
  Require(text.find_first_not_of(" \t\n0123456789+-.eEdD") == std::string::npos, "whole text is one number",
          text);
  const double leading = ParseLeadingNumber(text);
  Require(leading == *whole || (std::isnan(leading) && std::isnan(*whole)), "whole equals leading", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = stockcalc::fuzz::ValidUtf8(data, size);
  CheckCleaning(text);
  CheckWholeNumber(text);
  CheckFormats(ParseLeadingNumber(text), text);
  if (size >= sizeof(double)) {  // every double, not only those a text reads as
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    CheckFormats(raw, "raw bits");
  }
  return 0;
}
