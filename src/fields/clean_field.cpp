// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/clean_field.h"

namespace stockcalc {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (auto hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, pos)) {
    out.append(text, pos, hit - pos).append(to);
    pos = hit + from.size();
  }
  out.append(text, pos);
  return out;
}

void CleanNumberField(TextControl& box, UnitList units) {
  static constexpr std::string_view kDecimalMarks[] = {"。", "，", ","};
  // Each step is written back; a step with nothing to replace leaves the text as it is.
  auto replace = [&box](std::string_view from, std::string_view to) {
    if (box.Text().find(from) != std::string::npos) box.SetText(ReplaceAll(box.Text(), from, to));
  };
  for (const std::string_view mark : kDecimalMarks) replace(mark, ".");
  for (const std::string_view unit : units) replace(unit, "");
}

void ClearFields(std::initializer_list<TextControl*> boxes) {
  for (TextControl* box : boxes) box->SetText({});
}

}  // namespace stockcalc
