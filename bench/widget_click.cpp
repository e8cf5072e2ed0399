// SPDX-License-Identifier: GPL-3.0-or-later
// One compute click through the real Qt widgets (offscreen platform): the
// main window's worked example typed in, the button clicked, the results
// shown.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "qt/window_set.h"

namespace {

void BM_MainWindowComputeClick(benchmark::State& state) {
  stockcalc::WindowSet windows;
  windows.Start();
  stockcalc::FormWindow& main = windows.Window(1);
  auto* close = main.findChild<QLineEdit*>(QStringLiteral("Text1"));
  auto* percent = main.findChild<QLineEdit*>(QStringLiteral("Text2"));
  auto* compute = main.findChild<QPushButton*>(QStringLiteral("Command1"));
  for (auto _ : state) {
    close->setText(QStringLiteral("10元"));
    percent->setText(QStringLiteral("1.50"));
    compute->click();
  }
  if (main.findChild<QLineEdit*>(QStringLiteral("Text3"))->text() != QStringLiteral("9.85")) {
    state.SkipWithError("wrong result");
  }
}
BENCHMARK(BM_MainWindowComputeClick);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
