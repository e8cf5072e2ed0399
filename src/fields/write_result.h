// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "fields/text_control.h"

namespace stockcalc {

// How a result is read back from its control between the writes.
enum class ReadBack {
  ByKind,   // a text box by its leading number, a label as a whole
  Leading,  // ParseLeadingNumber
  Whole,    // ParseWholeNumber
};

struct ResultFormat {
  std::string_view prefix;  // put before the final text ("上涨：")
  std::string_view suffix;  // put after it ("元")
  int round_places = 2;     // the rounding of the second write
  int format_places = 2;    // the decimals of the final text
  ReadBack read_back = ReadBack::ByKind;
};

// Reads a control's current text as a number, as ReadBack says.
double ReadNumber(const TextControl& control, ReadBack read_back = ReadBack::ByKind);

// The normal way a result reaches the screen: NumberText(value) read back
// as the control reads it, rounded, NumberText of that read back again, and
// that formatted, with the prefix and suffix around it. Only the final text
// is written. Throws NoResult, before anything is written, when a value on
// the way is not finite.
void WriteResult(TextControl& control, double value, const ResultFormat& format = {});

// The same without the first step: the value is rounded, read back as
// NumberText of it, and formatted.
void WriteRoundedResult(TextControl& control, double value, const ResultFormat& format = {});

}  // namespace stockcalc
