// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/forms.h"

#include <stdexcept>

#include "calc/arith/form4.h"
#include "calc/arith/form5.h"
#include "calc/arith/form9.h"
#include "calc/position/form6.h"
#include "calc/position/form8.h"
#include "calc/price/form1.h"
#include "calc/price/form2.h"
#include "calc/price/form3.h"
#include "calc/price/form7.h"

namespace stockcalc {

std::unique_ptr<Form> CreateForm(int number, Prompter& prompter) {
  switch (number) {
    case 1: return std::make_unique<Form1>(prompter);
    case 2: return std::make_unique<Form2>(prompter);
    case 3: return std::make_unique<Form3>(prompter);
    case 4: return std::make_unique<Form4>(prompter);
    case 5: return std::make_unique<Form5>(prompter);
    case 6: return std::make_unique<Form6>(prompter);
    case 7: return std::make_unique<Form7>(prompter);
    case 8: return std::make_unique<Form8>(prompter);
    case 9: return std::make_unique<Form9>(prompter);
    default: throw std::out_of_range("no window Form" + std::to_string(number));
  }
}

}  // namespace stockcalc
