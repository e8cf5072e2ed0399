// SPDX-License-Identifier: GPL-3.0-or-later
// Types any texts into the trading-costs window's seven boxes and computes:
// it never crashes or overflows, and when it shows no message the buy price
// is in "0.00" form and the break-even line is written. (That the break-even
// price is the lowest cent that does not lose is proved in the unit tests.)

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "calc/fees/form10.h"
#include "calc/fees/trade_costs.h"
#include "fields/exact_decimal.h"
#include "fuzz_text.h"

namespace {

using namespace stockcalc;

struct Recorder : Prompter {
  void ShowMessage(std::string_view /*text*/) override { ++shown; }
  int shown = 0;
};

struct Memory : SettingsStore {
  [[nodiscard]] std::optional<std::string> Read(std::string_view /*key*/) const override { return std::nullopt; }
  void Write(std::string_view /*key*/, std::string_view /*value*/) override {}
};

[[noreturn]] void Fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s [%s]\n", what, text.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::ValidUtf8(data, size);
  Recorder recorder;
  Memory memory;
  Form10 form(recorder, memory);
  form.Form_Load();
  const char* boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"};
  std::size_t start = 0;
  for (const char* box : boxes) {
    if (start > text.size()) break;
    const std::size_t end = std::min(text.find('\n', start), text.size());
    form.Control(box).SetText(text.substr(start, end - start));
    start = end + 1;
  }
  form.Click("Command1");
  if (recorder.shown == 0) {
    const std::string& price = form.Control("Text1").Text();
    if (!ParseCents(price)) Fail("buy price not in 0.00 form", price);
    const std::string& break_even = form.Control("Label25").Text();
    if (break_even.rfind("保本价：", 0) != 0) Fail("break-even label", break_even);
  }
  form.Click("Command2");
  return 0;
}
