// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/form_window.h"
#include "shell/window_set.h"

namespace stockcalc {

// The program's windows as Qt widgets, under the window set's rules: the
// primary screen's geometry, and the settings in the user's Qt settings.
class WindowSet final : public BasicWindowSet<FormWindow> {
 public:
  WindowSet();
};

}  // namespace stockcalc
