// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/copy_text.h"

#include <algorithm>
#include <vector>

namespace stockcalc {
namespace {

// Controls whose middles are this close stand on one row of the form.
constexpr int kRowTolerance = 10;

struct Item {
  int middle = 0;  // twice the vertical middle, to stay in whole numbers
  int left = 0;
  const std::string* text = nullptr;
};

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

std::string CopyText(const Form& form) {
  const WindowLayout& layout = form.Layout();
  std::vector<Item> items;
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const ControlLayout& control = layout.controls[i];
    const std::string& text = form.Controls()[i].Text();
    if (control.kind == ControlKind::Button || Blank(text)) continue;
    items.push_back({2 * control.geometry.top + control.geometry.height, control.geometry.left, &text});
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const Item& a, const Item& b) { return a.middle < b.middle; });

  std::string copied(layout.caption);
  copied += '\n';
  for (std::size_t first = 0; first < items.size();) {
    std::size_t end = first;
    while (end < items.size() && items[end].middle - items[first].middle <= 2 * kRowTolerance) ++end;
    std::stable_sort(items.begin() + static_cast<std::ptrdiff_t>(first),
                     items.begin() + static_cast<std::ptrdiff_t>(end),
                     [](const Item& a, const Item& b) { return a.left < b.left; });
    for (std::size_t i = first; i < end; ++i) {
      if (i > first) copied += ' ';
      copied += *items[i].text;
    }
    copied += '\n';
    first = end;
  }
  return copied;
}

}  // namespace stockcalc
