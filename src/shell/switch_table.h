// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace stockcalc {

// Hide first: hide the source, then create and show the target.
// Show first: create and show the target, then hide the source.
// Either way the target then takes the source's top-left corner.
enum class SwitchOrder { HideFirst, ShowFirst };

struct SwitchButton {
  int from;
  std::string_view button;
  int to;
  SwitchOrder order;
};

// Every switch button of every window.
std::span<const SwitchButton> SwitchTable();

// The switch button of that name in window `form`, or nullptr.
const SwitchButton* FindSwitch(int form, std::string_view button);

}  // namespace stockcalc
