// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

#include "fields/text_control.h"

namespace stockcalc {

// Text colours of the windows (text only; backgrounds stay the toolkit's).
enum class TextColour {
  Default,
  Black,      // 0,0,0
  Red,        // 255,0,0: prices and amounts on the rising side, arithmetic results
  Green,      // 0,192,0: the falling side
  DarkGreen,  // 0,128,0: the falling side in the average-cost window
};

enum class FontStyle {
  Default,     // the window's font
  BoldResult,  // 宋体 10.5 pt bold, GB2312 character set, or the nearest installed CJK face
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// One row of a window's layout table: a control and its state after load.
// Labels size themselves to their text from their left edge, so a label's
// width and height are only where the layout started from.
struct ControlLayout {
  std::string_view name;  // "Text1", "Label7", "Command1": also the widget's object name
  ControlKind kind = ControlKind::Label;
  Rect geometry;
  std::string_view text;  // caption or text after load
  TextColour colour = TextColour::Default;
  FontStyle font = FontStyle::Default;
  std::string_view
      accessible_name;  // a text box's name for screen readers (labels and buttons use their text)
};

struct WindowLayout {
  std::string_view class_name;  // "Form1": also the window's object name
  std::string_view caption;     // window caption after load
  int client_width = 307;
  int client_height = 231;
  std::span<const ControlLayout> controls;
  std::span<const std::string_view> tab_order;  // the first takes the focus when the window opens
};

}  // namespace stockcalc
