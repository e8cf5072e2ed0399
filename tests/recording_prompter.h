// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fields/prompt.h"

namespace stockcalc::test {

// Stands in for the message box: remembers every message shown.
struct RecordingPrompter : Prompter {
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  std::vector<std::string> messages;
};

}  // namespace stockcalc::test
