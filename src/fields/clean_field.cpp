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
  for (const std::string_view mark : kDecimalMarks) box.SetText(ReplaceAll(box.Text(), mark, "."));
  for (const std::string_view unit : units) box.SetText(ReplaceAll(box.Text(), unit, ""));
}

void ClearFields(std::initializer_list<TextControl*> boxes) {
  for (TextControl* box : boxes) box->SetText({});
}

}  // namespace stockcalc
