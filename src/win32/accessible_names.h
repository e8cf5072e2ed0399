// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string_view>

namespace stockcalc {

// Gives a control the name screen readers announce (the text boxes have no
// caption of their own), through the system's accessibility annotation
// service. Where that service is missing the control keeps the name the
// system finds for it; nothing else changes.
void SetAccessibleName(HWND control, std::wstring_view name);

}  // namespace stockcalc
