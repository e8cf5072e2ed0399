// SPDX-License-Identifier: GPL-3.0-or-later
// A trading day without growth, on stockcalc.exe driven from outside: every
// window, typed texts, computes, prompts answered, clears, every switch,
// the trading-costs window opened from the menu and closed, 窗口置顶
// toggled. The program's memory is read from this process with
// GetProcessMemoryInfo after a warm-up and at the end.
//
// Under Wine a click driven from outside costs about 50 ms (the program's
// own work is 3 ms of it), so the day is 5,000 clicks after a warm-up of a
// quarter as many; STOCKCALC_TRADING_DAY_CLICKS sets another length.

// clang-format off
#include <windows.h>
#include <psapi.h>  // after windows.h, which it needs
// clang-format on

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <stdexcept>
#include <string>

#include "calc/forms.h"
#include "program_driver.h"
#include "shell/switch_table.h"

namespace stockcalc::win32test {
namespace {

// Texts a trader types, good and bad; an empty one brings up a prompt.
constexpr const char* kTyped[] = {"10", "12，5元", "", "3%", "1688.88", "abc", "1000000", "0", "-7.5"};

struct Memory {
  SIZE_T private_bytes = 0;
  SIZE_T working_set = 0;
  DWORD gdi_objects = 0;
  DWORD user_objects = 0;
};

Memory MemoryOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters) ==
      FALSE)
    throw std::runtime_error("GetProcessMemoryInfo failed");
  return {counters.PrivateUsage, counters.WorkingSetSize, GetGuiResources(process, GR_GDIOBJECTS),
          GetGuiResources(process, GR_USEROBJECTS)};
}

double MiB(SIZE_T bytes) { return static_cast<double>(bytes) / 1048576.0; }

class Session {
 public:
  explicit Session(Program& program) : program_(program) {}

  void Run(long clicks) {
    const long until = clicks_ + clicks;
    while (clicks_ < until) Round();
  }
  [[nodiscard]] long Clicks() const { return clicks_; }
  [[nodiscard]] long Prompts() const { return prompts_; }

 private:
  void Click(int form, std::string_view button) {
    ++clicks_;
    if (HWND box = program_.Click(form, button)) {
      ++prompts_;
      program_.Dismiss(box, prompts_ % 2 == 0 ? Dismiss::Enter : Dismiss::ClickOk);
    }
  }

  // Types into every box of window FormN, computes, sometimes clears.
  void Compute(int form) {
    for (const ControlLayout& control : LayoutOf(form).controls) {
      if (control.kind != ControlKind::TextBox) continue;
      program_.SetText(program_.Control(form, control.name), kTyped[next_++ % std::size(kTyped)]);
    }
    Click(form, "Command1");
    if (form != 1 && next_ % 3 == 0) Click(form, "Command2");
  }

  // Every switch button once, computing in each window on the way there;
  // then the trading-costs window and 窗口置顶.
  void Round() {
    for (const SwitchButton& entry : SwitchTable()) {
      if (program_.ShownForm() != entry.from) clicks_ += program_.GoTo(entry.from);
      Compute(entry.from);
      Click(entry.from, entry.button);
    }
    HWND shown = program_.Window(program_.ShownForm());
    Command(shown, kOpenFees);
    HWND fees = program_.Window(kFeesForm);
    if (!Program::WaitFor([fees] { return IsWindowVisible(fees) != FALSE; }, kAnswerMs))
      throw std::runtime_error("the trading-costs window did not show");
    Compute(kFeesForm);
    PostMessageW(fees, WM_CLOSE, 0, 0);
    if (!Program::WaitFor([fees] { return IsWindowVisible(fees) == FALSE; }, kAnswerMs))
      throw std::runtime_error("the trading-costs window did not close");
    Command(shown, kStayOnTop);
  }

  Program& program_;
  long clicks_ = 0;
  long prompts_ = 0;
  unsigned next_ = 0;
};

TEST(TradingDay, ClicksLeaveMemoryWhereItWas) {
  long clicks = 5000;
  if (const char* set = std::getenv("STOCKCALC_TRADING_DAY_CLICKS")) clicks = std::atol(set);
  ASSERT_GT(clicks, 0);
  Program program;
  Session session(program);

  const ULONGLONG started = GetTickCount64();
  session.Run(clicks / 4);  // warm-up: every window made, every cache filled
  const Memory warm = MemoryOf(program.Process());
  session.Run(clicks);
  const Memory end = MemoryOf(program.Process());
  const double seconds = static_cast<double>(GetTickCount64() - started) / 1000.0;

  std::printf(
      "%ld clicks, %ld prompts answered in %.0f s; private bytes after warm-up %.2f MiB, at the end "
      "%.2f MiB; working set %.2f MiB, %.2f MiB; GDI objects %lu, %lu; USER objects %lu, %lu\n",
      session.Clicks(), session.Prompts(), seconds, MiB(warm.private_bytes), MiB(end.private_bytes),
      MiB(warm.working_set), MiB(end.working_set), warm.gdi_objects, end.gdi_objects, warm.user_objects,
      end.user_objects);
  EXPECT_GT(session.Prompts(), session.Clicks() / 100);
  EXPECT_LT(MiB(end.working_set) - MiB(warm.working_set), 1.0);
  // Wine counts neither private bytes nor GUI objects (it reads 0 for
  // both); Windows does, and then they must not grow either.
  if (warm.private_bytes != 0) {
    EXPECT_LT(MiB(end.private_bytes) - MiB(warm.private_bytes), 1.0);
  }
  if (warm.gdi_objects != 0) {
    EXPECT_LE(end.gdi_objects, warm.gdi_objects);
  }
  if (warm.user_objects != 0) {
    EXPECT_LE(end.user_objects, warm.user_objects);
  }
  EXPECT_EQ(WaitForSingleObject(program.Process(), 0), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the program ended";
}

}  // namespace
}  // namespace stockcalc::win32test
