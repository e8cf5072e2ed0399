// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/placement.h"

#include <stdexcept>
#include <string>

#include "calc/forms.h"

namespace stockcalc {

Placement PlacementOf(int form_number) {
  switch (form_number) {
    case 1: return {PlacementRule::CenterOnScreen};
    case 2:
    case 3:
    case 4:
    case 5: return {PlacementRule::SameAsWindow, 1};
    case 6: return {PlacementRule::CenterByMainWindow};
    case 7: return {PlacementRule::SameAsWindow, 3};
    case 8: return {PlacementRule::SameAsWindow, 6};
    case 9: return {PlacementRule::SameAsWindow, 5};
    case kFeesForm: return {PlacementRule::CenterOnScreen};
    default: throw std::out_of_range("no window Form" + std::to_string(form_number));
  }
}

double CenterOnScreen(double screen_extent, double window_extent) {
  return (screen_extent - window_extent) / 2.0;
}

}  // namespace stockcalc
