// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stockcalc {

// Where a window goes when it loads. Positions are floating point: the
// centring keeps its half pixel, and the screen shows the nearest pixel.
enum class PlacementRule {
  CenterOnScreen,      // by the window's own outer size
  CenterByMainWindow,  // by the main window's outer size
  SameAsWindow,        // the top-left corner of another window
};

struct Placement {
  PlacementRule rule;
  int other = 0;  // the window whose corner SameAsWindow takes
};

Placement PlacementOf(int form_number);

// (screen - window) / 2 in floating point: an odd difference leaves a half
// pixel, and a window larger than the screen overhangs both edges equally.
double CenterOnScreen(double screen_extent, double window_extent);

}  // namespace stockcalc
