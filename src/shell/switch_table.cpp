// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/switch_table.h"

namespace stockcalc {
namespace {

using enum SwitchOrder;

constexpr SwitchButton kSwitches[] = {
    {1, "Command2", 6, HideFirst}, {1, "Command3", 2, HideFirst}, {1, "Command4", 3, HideFirst},
    {1, "Command5", 7, HideFirst}, {1, "Command6", 5, HideFirst}, {1, "Command7", 9, HideFirst},
    {2, "Command3", 1, ShowFirst}, {3, "Command3", 1, HideFirst}, {3, "Command4", 7, HideFirst},
    {4, "Command3", 1, ShowFirst}, {4, "Command4", 9, HideFirst}, {4, "Command5", 5, HideFirst},
    {5, "Command3", 1, ShowFirst}, {5, "Command4", 9, HideFirst}, {5, "Command5", 4, ShowFirst},
    {6, "Command3", 1, ShowFirst}, {6, "Command4", 8, HideFirst}, {7, "Command3", 1, HideFirst},
    {8, "Command3", 1, HideFirst}, {9, "Command3", 1, ShowFirst}, {9, "Command4", 5, HideFirst},
    {9, "Command5", 4, ShowFirst},
};

}  // namespace

std::span<const SwitchButton> SwitchTable() { return kSwitches; }

const SwitchButton* FindSwitch(int form, std::string_view button) {
  for (const SwitchButton& entry : kSwitches) {
    if (entry.from == form && entry.button == button) return &entry;
  }
  return nullptr;
}

}  // namespace stockcalc
