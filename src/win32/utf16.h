// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace stockcalc {

// The one crossing between the core's UTF-8 and Win32's UTF-16. Invalid
// input turns into U+FFFD, never into an error.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace stockcalc
