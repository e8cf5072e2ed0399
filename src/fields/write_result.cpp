// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/write_result.h"

#include <string>
#include <string_view>
#include <utility>

#include "fields/no_result.h"
#include "fields/number_parse.h"
#include "fields/number_text.h"

namespace stockcalc {

namespace {

double ReadText(std::string_view text, ControlKind kind, ReadBack read_back) {
  if (read_back == ReadBack::ByKind) {
    read_back = kind == ControlKind::Label ? ReadBack::Whole : ReadBack::Leading;
  }
  if (read_back == ReadBack::Whole) {
    if (auto value = ParseWholeNumber(text)) return *value;
    // Only ever reached for text the program did not write itself.
  }
  return ParseLeadingNumber(text);
}

// What the control would read back had NumberText(value) been written into
// it. The text is made in place: only the final text is written, and the
// steps on the way allocate nothing.
double ReadBackWritten(const TextControl& control, double value, ReadBack read_back) {
  return ReadText(NumberShortText(value).View(), control.Kind(), read_back);
}

}  // namespace

double ReadNumber(const TextControl& control, ReadBack read_back) {
  return ReadText(control.Text(), control.Kind(), read_back);
}

void WriteRoundedResult(TextControl& control, double value, const ResultFormat& format) {
  const double rounded =
      ReadBackWritten(control, RoundDecimals(RequireFinite(value), format.round_places), format.read_back);
  const std::string shown = FormatDecimals(rounded, format.format_places);
  std::string text;
  text.reserve(format.prefix.size() + shown.size() + format.suffix.size());
  text.append(format.prefix).append(shown).append(format.suffix);
  control.SetText(std::move(text));
}

void WriteResult(TextControl& control, double value, const ResultFormat& format) {
  WriteRoundedResult(control, ReadBackWritten(control, value, format.read_back), format);
}

}  // namespace stockcalc
