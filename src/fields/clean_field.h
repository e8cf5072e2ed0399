// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "fields/text_control.h"

namespace stockcalc {

// The unit texts that a number field may strip, in the order it strips them.
using UnitList = std::span<const std::string_view>;

namespace units {
inline constexpr std::string_view kYuan[] = {"元"};
inline constexpr std::string_view kYuanPercent[] = {"元", "%"};
inline constexpr std::string_view kShares[] = {"股"};
inline constexpr std::string_view kPieces[] = {"个"};
inline constexpr std::string_view kPercent[] = {"%"};
}  // namespace units

// Every occurrence of `from` in `text` replaced by `to`, in one left-to-right
// pass that does not look at what it has already written.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Turns the decimal marks that traders type ("。", "，", ",") into "." and
// deletes the field's unit texts, writing each step back into the box so the
// cleaned text stays visible. Blanks, letters and everything else stay.
void CleanNumberField(TextControl& box, UnitList units);

// Empties the listed text boxes in order; nothing else changes.
void ClearFields(std::initializer_list<TextControl*> boxes);

}  // namespace stockcalc
