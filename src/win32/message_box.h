// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string_view>

namespace stockcalc {

class FontCache;

// The program's one kind of message: a modal dialog owned by `owner`,
// titled with the program's name, the message in a Static and one Button
// reading "确定" whatever the system's language, no icon. Enter and Esc
// close it. Made of standard controls, as MessageBoxW's are, so screen
// readers and automation read it. Returns when the user has dismissed it.
void ShowAppMessage(HWND owner, std::wstring_view text, FontCache& fonts);

}  // namespace stockcalc
