// SPDX-License-Identifier: GPL-3.0-or-later
// Micro-benchmarks of the number fields and of every window's compute
// handler on the toolkit-free windows, plus the long-input case: every input
// box of a window holding up to 32,767 characters (the most a Qt line edit
// takes), whose click must take time linear in the length.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "calc/forms.h"
#include "fields/clean_field.h"
#include "fields/number_parse.h"
#include "fields/number_text.h"
#include "fields/write_result.h"

namespace {

using namespace stockcalc;

struct Silent : Prompter {
  void ShowMessage(std::string_view /*text*/) override {}
};

void BM_CleanNumberField(benchmark::State& state) {
  for (auto _ : state) {
    TextControl box(ControlKind::TextBox, "12，5元%");
    CleanNumberField(box, units::kYuanPercent);
    benchmark::DoNotOptimize(box.Text().data());
  }
}
BENCHMARK(BM_CleanNumberField);

void BM_ParseLeadingNumber(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseLeadingNumber("12.345元"));
}
BENCHMARK(BM_ParseLeadingNumber);

void BM_ParseWholeNumber(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseWholeNumber(" 12.345 "));
}
BENCHMARK(BM_ParseWholeNumber);

void BM_NumberText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(NumberText(9.853999999999999));
}
BENCHMARK(BM_NumberText);

void BM_RoundTwoDecimals(benchmark::State& state) {
  double x = 2.675;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(RoundTwoDecimals(x));
  }
}
BENCHMARK(BM_RoundTwoDecimals);

void BM_FormatTwoDecimals(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FormatTwoDecimals(9.85));
}
BENCHMARK(BM_FormatTwoDecimals);

void BM_WriteResult(benchmark::State& state) {
  TextControl label(ControlKind::Label);
  for (auto _ : state) {
    WriteResult(label, 0.15000000000000036, {.suffix = "元"});
    benchmark::DoNotOptimize(label.Text().data());
  }
}
BENCHMARK(BM_WriteResult);

// A worked example of each window: what is typed before its compute click.
const std::vector<std::pair<int, std::vector<std::pair<const char*, const char*>>>>& Examples() {
  static const std::vector<std::pair<int, std::vector<std::pair<const char*, const char*>>>> examples = {
      {1, {{"Text1", "10"}, {"Text2", "1.50"}}},
      {2, {{"Text1", "12.34元"}, {"Text2", "11，11"}}},
      {3, {{"Text1", "12.34"}}},
      {4, {{"Text1", "12，3元"}, {"Text2", "1%"}}},
      {5, {{"Text1", "12,5元"}, {"Text2", "234"}}},
      {6, {{"Text1", "10.5元"}, {"Text2", "1000股"}, {"Text3", "9.8"}, {"Text4", "500"}}},
      {7, {{"Text1", "10"}, {"Text2", "10"}, {"Text5", "10"}}},
      {8, {{"Text1", "12.34"}}},
      {9, {{"Text1", "100"}, {"Text2", "3"}}},
  };
  return examples;
}

void BM_Compute(benchmark::State& state) {
  const auto& [number, typed] = Examples()[static_cast<std::size_t>(state.range(0) - 1)];
  Silent prompter;
  const std::unique_ptr<Form> form = CreateForm(number, prompter);
  form->Form_Load();
  for (auto _ : state) {
    for (const auto& [box, text] : typed) form->Control(box).SetText(text);
    form->Click("Command1");
  }
  state.SetLabel("Form" + std::to_string(number));
}
BENCHMARK(BM_Compute)->DenseRange(1, kFormCount);

// Every input box of window `number` filled with state.range(0) characters
// of what a paste could bring: digits, separators and units, so every
// cleaning step has work to do.
void LongInput(benchmark::State& state, int number) {
  const auto length = static_cast<std::size_t>(state.range(0));
  std::string text;
  while (text.size() < length) text += "12，5元%3,4。";
  text.resize(length);
  Silent prompter;
  const std::unique_ptr<Form> form = CreateForm(number, prompter);
  form->Form_Load();
  for (auto _ : state) {
    for (TextControl& control : form->Controls()) {
      if (control.Kind() == ControlKind::TextBox) control.SetText(text);
    }
    form->Click("Command1");
  }
  state.SetComplexityN(state.range(0));
}

}  // namespace

int main(int argc, char** argv) {
  for (int number = 1; number <= kFormCount; ++number) {
    benchmark::RegisterBenchmark(("BM_LongInput/Form" + std::to_string(number)).c_str(), LongInput, number)
        ->RangeMultiplier(4)
        ->Range(1024, 32767)
        ->Complexity(benchmark::oN);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
