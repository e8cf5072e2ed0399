#include "calc/forms.h"

#include <stdexcept>

#include "calc/price/form1.h"

namespace stockcalc {

std::unique_ptr<Form> CreateForm(int number, Prompter& prompter) {
  switch (number) {
    case 1: return std::make_unique<Form1>(prompter);
    default: throw std::out_of_range("no window Form" + std::to_string(number));
  }
}

}  // namespace stockcalc
