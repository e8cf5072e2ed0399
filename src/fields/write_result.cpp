// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/write_result.h"

#include <string>

#include "fields/no_result.h"
#include "fields/number_parse.h"
#include "fields/number_text.h"

namespace stockcalc {

double ReadNumber(const TextControl& control, ReadBack read_back) {
  if (read_back == ReadBack::ByKind) {
    read_back = control.Kind() == ControlKind::Label ? ReadBack::Whole : ReadBack::Leading;
  }
  if (read_back == ReadBack::Whole) {
    if (auto value = ParseWholeNumber(control.Text())) return *value;
    // Only ever reached for text the program did not write itself.
  }
  return ParseLeadingNumber(control.Text());
}

void WriteRoundedResult(TextControl& control, double value, const ResultFormat& format) {
  control.SetText(NumberText(RoundDecimals(RequireFinite(value), format.round_places)));
  const std::string shown = FormatDecimals(ReadNumber(control, format.read_back), format.format_places);
  control.SetText(std::string(format.prefix) + shown + std::string(format.suffix));
}

void WriteResult(TextControl& control, double value, const ResultFormat& format) {
  control.SetText(NumberText(value));
  WriteRoundedResult(control, ReadNumber(control, format.read_back), format);
}

}  // namespace stockcalc
