// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stockcalc {

// The context menu's entries, as WM_COMMAND ids; they stay clear of the
// controls' ids (100 + the layout row).
enum MenuCommand : int { kOpenFees = 40001, kStayOnTop, kCopyAll };

}  // namespace stockcalc
