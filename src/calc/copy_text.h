// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calc/form.h"

namespace stockcalc {

// What 复制全部 copies: the window's caption on the first line, then its
// rows from top to bottom, each row's captions and texts from left to right
// joined by a blank ("昨天收盘价： 10 10.15 ↑： 0.30元"). Buttons and empty
// texts are left out. Lines end with "\n".
std::string CopyText(const Form& form);

}  // namespace stockcalc
