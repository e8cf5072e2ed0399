// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/prompt.h"

namespace stockcalc {

bool RequiredFieldsFilled(Prompter& prompter, std::initializer_list<RequiredField> fields) {
  for (const RequiredField& field : fields) {
    if (field.box.Text().empty()) {
      ShowRequiredPrompt(prompter, field.prompt);
      return false;
    }
  }
  return true;
}

}  // namespace stockcalc
