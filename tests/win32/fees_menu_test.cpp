// SPDX-License-Identifier: GPL-3.0-or-later
// stockcalc.exe driven from outside: the trading-costs window started with
// --fees, the right-click menu's commands (open the trading-costs window,
// stay on top and remembered across runs, copy everything), the fee rates
// remembered across runs, and the command-line options that print and end
// the program without a window. The expected texts are the core tests'
// (tests/calc/fees_test.cpp) and the Linux edition's (tests/qt).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "calc/forms.h"
#include "program_driver.h"

namespace stockcalc::win32test {
namespace {

void ExpectTexts(const Program& program, int form, const Texts& expected) {
  for (const auto& [name, text] : expected) {
    EXPECT_EQ(program.Text(program.Control(form, name)), text) << "Form" << form << " " << name;
  }
}

bool OnTop(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// The program's settings file, as text; empty when there is none.
std::string SettingsFile(const Program& program) {
  std::ifstream file(std::filesystem::path(program.SettingsFolder()) / L"stockcalc" / L"stockcalc.ini", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Ends the program by closing `window`; it must end with status 0.
void CloseProgram(Program& program, HWND window) {
  const std::optional<DWORD> code = program.CloseAndWait(window, kAnswerMs);
  ASSERT_TRUE(code.has_value()) << "the program still runs after its window closed";
  EXPECT_EQ(*code, 0U);
}

// ---- --fees: the trading-costs window alone ----

TEST(Fees, StartsAloneAndComputesTheWorkedExamples) {
  struct Case {
    Texts typed;
    Texts shown;
  };
  const std::vector<Case> cases = {
      {{{"Text1", "10"}, {"Text2", "1000股"}, {"Text3", "10，5元"}},
       {{"Text1", "10.00"},
        {"Text2", "1000"},
        {"Text3", "10.50"},
        {"Label16", "买入金额：10000.00元"},
        {"Label17", "买入费用：5.10元"},
        {"Label18", "买入：佣金5.00 + 过户费0.10"},
        {"Label19", "总成本：10005.10元"},
        {"Label20", "卖出金额：10500.00元"},
        {"Label21", "卖出费用：10.36元"},
        {"Label22", "卖出：佣金5.00 + 印花税5.25 + 过户费0.11"},
        {"Label23", "净收入：10489.64元"},
        {"Label24", "盈亏：484.54元（4.84%）"},
        {"Label25", "保本价：10.02元（需涨0.20%）"}}},
      {{{"Text1", "3.21"}, {"Text2", "100"}, {"Text3", "3.30"}},
       {{"Label17", "买入费用：5.00元"},
        {"Label18", "买入：佣金5.00 + 过户费0.00"},
        {"Label19", "总成本：326.00元"},
        {"Label21", "卖出费用：5.17元"},
        {"Label22", "卖出：佣金5.00 + 印花税0.17 + 过户费0.00"},
        {"Label23", "净收入：324.83元"},
        {"Label24", "盈亏：-1.17元（-0.36%）"},
        {"Label25", "保本价：3.32元（需涨3.43%）"}}},
  };
  Program program({L"--fees"});
  ASSERT_EQ(program.Windows().size(), 1U) << "--fees made more windows than the trading-costs one";
  ASSERT_EQ(program.ShownForm(), kFeesForm);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed.front().second) + " x " + std::string(c.typed[1].second));
    program.Type(kFeesForm, c.typed);
    ASSERT_EQ(program.Click(kFeesForm, "Command1"), nullptr) << "a message box opened";
    ExpectTexts(program, kFeesForm, c.shown);
  }
}

TEST(Fees, AnEmptyBuyPriceShowsItsPrompt) {
  Program program({L"--fees"});
  HWND window = program.Window(kFeesForm);
  program.Type(kFeesForm, {{"Text1", ""}, {"Text2", "1000"}, {"Text3", "10.5"}});
  HWND box = program.Click(kFeesForm, "Command1");
  ASSERT_NE(box, nullptr) << "no message box";
  const MessageBoxSeen seen = program.ReadMessageBox(box);
  EXPECT_EQ(seen.caption, "鼎衡股票计算器");
  EXPECT_EQ(seen.texts, std::vector<std::string>{"请输入买入价！"});
  EXPECT_EQ(seen.buttons, (std::vector<std::pair<int, std::string>>{{IDOK, "确定"}}));
  program.Dismiss(box, Dismiss::Enter);
  EXPECT_TRUE(IsWindowEnabled(window));
  EXPECT_EQ(program.Text(program.Control(kFeesForm, "Label17")), "买入费用：");
}

TEST(Fees, ClosingTheOnlyWindowEndsTheProgram) {
  Program program({L"--fees"});
  CloseProgram(program, program.Window(kFeesForm));
}

// ---- the right-click menu's commands ----

TEST(Menu, OpenFeesPlacesTheWindowBesideTheMainWindow) {
  Program program;
  HWND main = program.Window(1);
  Command(main, kOpenFees);
  ASSERT_TRUE(Program::WaitFor(
      [&] {
        const std::vector<HWND> shown = program.Windows(true);
        return shown.size() == 2;
      },
      kAnswerMs))
      << "the trading-costs window did not show beside the main window";
  HWND fees = program.Window(kFeesForm);
  EXPECT_TRUE(IsWindowVisible(fees));
  EXPECT_TRUE(IsWindowVisible(main));
  RECT main_rect{};
  RECT fees_rect{};
  GetWindowRect(main, &main_rect);
  GetWindowRect(fees, &fees_rect);
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  if (main_rect.right + (fees_rect.right - fees_rect.left) <= area.right) {
    EXPECT_GE(fees_rect.left, main_rect.right) << "there was room on the right of the main window";
    EXPECT_EQ(fees_rect.top, std::max(main_rect.top, area.top));
  }
  // Opening it again makes no second window.
  Command(main, kOpenFees);
  EXPECT_EQ(program.Windows().size(), 2U);
  // Closing it only hides it: the main window still shows, the program runs.
  PostMessageW(fees, WM_CLOSE, 0, 0);
  EXPECT_TRUE(Program::WaitFor([fees] { return IsWindowVisible(fees) == FALSE; }, kAnswerMs));
  program.Sync(main);
  EXPECT_EQ(WaitForSingleObject(program.Process(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(program.ShownForm(), 1);
}

TEST(Menu, StayOnTopReachesEveryWindowAndIsRememberedAcrossRuns) {
  Program first;
  HWND main = first.Window(1);
  EXPECT_FALSE(OnTop(main));
  Command(main, kOpenFees);
  HWND fees = first.Window(kFeesForm);
  Command(main, kStayOnTop);
  for (HWND window : first.Windows()) EXPECT_TRUE(OnTop(window)) << first.Text(window);
  EXPECT_TRUE(OnTop(fees));
  EXPECT_NE(SettingsFile(first).find("stay_on_top=true"), std::string::npos) << SettingsFile(first);
  // A window made after the command stays on top too (the trading-costs
  // window hidden first: the switch walk wants one window shown).
  PostMessageW(fees, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Program::WaitFor([fees] { return IsWindowVisible(fees) == FALSE; }, kAnswerMs));
  first.GoTo(2);
  EXPECT_TRUE(OnTop(first.Window(2)));
  CloseProgram(first, first.Window(2));

  {
    Program second({}, first);
    HWND again = second.Window(1);
    EXPECT_TRUE(OnTop(again)) << "the main window did not start on top";
    Command(again, kStayOnTop);
    EXPECT_FALSE(OnTop(again));
    CloseProgram(second, again);
  }
  EXPECT_EQ(SettingsFile(first).find("stay_on_top=true"), std::string::npos) << SettingsFile(first);
  Program third({}, first);
  EXPECT_FALSE(OnTop(third.Window(1)));
}

TEST(Menu, TheFeeRatesAreRememberedAcrossRuns) {
  Program first({L"--fees"});
  first.Type(kFeesForm, {{"Text1", "10"}, {"Text2", "1000"}, {"Text4", "0.0187"}, {"Text5", "0"}});
  ASSERT_EQ(first.Click(kFeesForm, "Command1"), nullptr) << "a message box opened";
  EXPECT_EQ(first.Text(first.Control(kFeesForm, "Label17")), "买入费用：1.97元");
  CloseProgram(first, first.Window(kFeesForm));

  Program second({L"--fees"}, first);
  ExpectTexts(second, kFeesForm, {{"Text4", "0.0187"}, {"Text5", "0"}, {"Text1", ""}, {"Text2", ""}});
}

// The clipboard's text, or nothing when it holds none.
std::optional<std::wstring> ClipboardText() {
  for (int attempt = 0; attempt < 100; ++attempt) {  // the program may still hold it open
    if (OpenClipboard(nullptr) != FALSE) break;
    Sleep(20);
  }
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void ClearClipboard() {
  ASSERT_NE(OpenClipboard(nullptr), FALSE);
  EmptyClipboard();
  CloseClipboard();
}

TEST(Menu, CopyAllPutsTheWindowsTextsOnTheClipboard) {
  ClearClipboard();
  Program program;
  program.Type(1, {{"Text1", "10"}});
  Command(program.Window(1), kCopyAll);
  std::optional<std::wstring> copied;
  ASSERT_TRUE(Program::WaitFor([&] { return (copied = ClipboardText()).has_value(); }, kAnswerMs))
      << "the clipboard holds no text";
  EXPECT_EQ(Narrow(*copied),
            "鼎衡股票计算器    作者：青松\n"
            "昨天收盘价： 10 ↑：\n"
            "涨跌幅： 1.50 % 如：1.55\n"
            "最低价： 最低价 ↓下跌：\n");
}

// ---- command-line options: print, end, no window ----

struct Outcome {
  DWORD status = 0;
  std::string out;
  std::string error;
  bool window_seen = false;
};

// Reads a pipe to its end on a thread of its own, so that neither pipe
// can fill while the program waits to write the other.
std::thread Drain(HANDLE pipe, std::string& into) {
  return std::thread([pipe, &into] {
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof(buffer), &read, nullptr) != FALSE && read > 0) into.append(buffer, read);
  });
}

Outcome RunProgram(const std::wstring& arguments) {
  const DWORD length = GetEnvironmentVariableW(L"STOCKCALC_EXE", nullptr, 0);
  if (length == 0) throw std::runtime_error("STOCKCALC_EXE names no program");
  std::wstring path(length, L'\0');
  path.resize(GetEnvironmentVariableW(L"STOCKCALC_EXE", path.data(), length));
  if (!path.empty() && path.front() == L'/') {
    std::replace(path.begin(), path.end(), L'/', L'\\');
    path.insert(0, L"Z:");
  }
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE out_read = nullptr, out_write = nullptr, error_read = nullptr, error_write = nullptr;
  CreatePipe(&out_read, &out_write, &inherit, 0);
  CreatePipe(&error_read, &error_write, &inherit, 0);
  SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(error_read, HANDLE_FLAG_INHERIT, 0);
  HANDLE input = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                             nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = out_write;
  startup.hStdError = error_write;
  std::wstring command_line = L"\"" + path + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &process) == FALSE) {
    throw std::runtime_error("cannot start " + Narrow(path));
  }
  CloseHandle(out_write);
  CloseHandle(error_write);
  CloseHandle(input);
  Outcome run;
  std::thread out = Drain(out_read, run.out);
  std::thread error = Drain(error_read, run.error);
  // Watches for a calculator window until the program has ended.
  const ULONGLONG end = GetTickCount64() + kStartMs;
  while (WaitForSingleObject(process.hProcess, 10) == WAIT_TIMEOUT) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"StockCalcWindow", nullptr)) != nullptr) {
      DWORD pid = 0;
      GetWindowThreadProcessId(window, &pid);
      if (pid == process.dwProcessId) run.window_seen = true;
    }
    if (GetTickCount64() > end) {
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, kAnswerMs);
      run.window_seen = true;  // it did not end by itself: it waits for a user
    }
  }
  GetExitCodeProcess(process.hProcess, &run.status);
  out.join();
  error.join();
  CloseHandle(out_read);
  CloseHandle(error_read);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

TEST(Options, PrintEndAndOpenNoWindow) {
  struct Case {
    std::wstring arguments;
    DWORD status;
    std::vector<std::string> out_contains;  // empty: stdout must be empty
    std::string out;                        // exact, when not empty
    std::string error;                      // exact
  };
  const std::vector<Case> cases = {
      {L"--help", 0, {"用法：", "--fees"}, "", ""},
      {L"-h", 0, {"用法：", "--fees"}, "", ""},
      {L"--version", 0, {}, std::string("stockcalc ") + STOCKCALC_EXPECTED_VERSION + "\n", ""},
      {L"--bogus", 2, {}, "", "stockcalc: 未知选项“bogus”。\n"},
      {L"12.5", 2, {}, "", "stockcalc: 多余的参数“12.5”。\n"},
      {L"--fees=1", 2, {}, "", "stockcalc: 选项“fees”不带值。\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Narrow(c.arguments));
    const Outcome run = RunProgram(c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_FALSE(run.window_seen) << "a calculator window appeared";
    EXPECT_EQ(run.error, c.error);
    if (!c.out.empty()) {
      EXPECT_EQ(run.out, c.out);
    }
    for (const std::string& part : c.out_contains) EXPECT_NE(run.out.find(part), std::string::npos) << run.out;
    if (c.out.empty() && c.out_contains.empty()) {
      EXPECT_EQ(run.out, "");
    }
  }
}

}  // namespace
}  // namespace stockcalc::win32test

// ---- the shortcuts, typed on the keyboard ----

namespace stockcalc::win32test {
namespace {

// Types Ctrl+`key` through the system's input queue, as a keyboard would:
// it reaches the foreground window's focused control.
void TypeCtrl(WORD key) {
  INPUT inputs[4]{};
  const WORD keys[4] = {VK_CONTROL, key, key, VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyW(keys[i], MAPVK_VK_TO_VSC));
    inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  ASSERT_EQ(SendInput(4, inputs, sizeof(INPUT)), 4U);
}

void BringForward(HWND window) {
  SetForegroundWindow(window);
  ASSERT_TRUE(Program::WaitFor([window] { return GetForegroundWindow() == window; }, kAnswerMs))
      << "the window did not come to the foreground";
}

TEST(Menu, CtrlFAndCtrlTWorkFromTheKeyboard) {
  Program program;
  HWND main = program.Window(1);
  BringForward(main);
  TypeCtrl('T');
  EXPECT_TRUE(Program::WaitFor([main] { return OnTop(main); }, kAnswerMs)) << "Ctrl+T did not put the window on top";
  program.Sync(main);
  EXPECT_EQ(program.Text(program.Control(1, "Text1")), "") << "the shortcut typed a character";
  TypeCtrl('F');
  EXPECT_TRUE(Program::WaitFor([&program] { return program.Windows(true).size() == 2; }, kAnswerMs))
      << "Ctrl+F did not open the trading-costs window";
  EXPECT_TRUE(OnTop(program.Window(kFeesForm)));
  BringForward(main);
  TypeCtrl('T');
  EXPECT_TRUE(Program::WaitFor([main] { return !OnTop(main); }, kAnswerMs)) << "Ctrl+T did not toggle back";
}

}  // namespace
}  // namespace stockcalc::win32test
