// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives a running stockcalc.exe from outside, through window messages
// only, as a user's automation would: it finds the program's windows by
// class and caption, their controls by where the layout tables put them,
// types with WM_SETTEXT, clicks with BM_CLICK, reads with WM_GETTEXT and
// answers the program's message boxes.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "calc/layout.h"
#include "win32/menu_commands.h"

namespace stockcalc::win32test {

using Texts = std::vector<std::pair<std::string_view, std::string_view>>;

// How long the program may take to start, and to answer one message or
// finish one click, before the driver gives up on it: long enough for Wine
// on a busy machine, short enough that a hung program fails the test
// instead of stopping it.
inline constexpr DWORD kStartMs = 60000;
inline constexpr DWORD kAnswerMs = 30000;

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// Sends a menu command to a window as the menu does (lParam 0); returns
// once the window has handled it, throws when it does not answer.
void Command(HWND window, MenuCommand command);

// The layout table of window FormN (1 to 9, or kFeesForm), from the core.
const WindowLayout& LayoutOf(int form);
// The row of control `name` in that table; throws when there is none.
std::size_t RowOf(int form, std::string_view name);

// A message box as it shows: its caption, the texts of its Static
// children, its buttons and whether it shows an icon.
struct MessageBoxSeen {
  std::string caption;
  std::vector<std::string> texts;
  std::vector<std::pair<int, std::string>> buttons;  // control id, text
  bool icon = false;
};

// How the user dismisses a message box.
enum class Dismiss { Enter, Escape, ClickOk };

class Program {
 public:
  // Starts the program that STOCKCALC_EXE names (a Windows path, or a Unix
  // path that wine reaches through Z:) with `arguments`, its settings in a
  // new folder of its own (APPDATA), and returns once it shows a window.
  // The program is ended with this object, or with this process however
  // it ends (a job object), so that no program outlives its test.
  explicit Program(const std::vector<std::wstring>& arguments = {});
  // Starts the program again with the settings folder of `earlier`, which
  // has ended or ends first: a second run that finds what the first
  // remembered. The folder stays `earlier`'s to delete.
  Program(const std::vector<std::wstring>& arguments, const Program& earlier);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The program's top-level calculator windows (class StockCalcWindow).
  [[nodiscard]] std::vector<HWND> Windows(bool visible_only = false) const;
  // The settings folder (APPDATA) the program was started with.
  [[nodiscard]] const std::wstring& SettingsFolder() const { return settings_folder_; }
  [[nodiscard]] HANDLE Process() const { return process_.hProcess; }
  // Window FormN; throws when it does not exist.
  [[nodiscard]] HWND Window(int form) const;
  // The number of the one calculator window shown; 0 when not exactly one shows.
  [[nodiscard]] int ShownForm() const;

  // Control `name` of window FormN: the child of the table's class at the
  // table's place (a label by its left and top alone), whose id is 100 + its
  // row. Throws, saying what stands there, when none does.
  [[nodiscard]] HWND Control(int form, std::string_view name) const;

  void SetText(HWND control, std::string_view text) const;
  [[nodiscard]] std::string Text(HWND control) const;
  // A window's top-left corner on the screen.
  [[nodiscard]] static POINT ScreenTopLeft(HWND window);

  // Types each text into its box of window FormN.
  void Type(int form, const Texts& typed) const;

  // Clicks a button with BM_CLICK. Returns once the program has handled
  // the click (nullptr), or once a message box it opened over the button's
  // window shows (that box, still open: answer it with Dismiss()).
  HWND Click(HWND button);
  HWND Click(int form, std::string_view button) { return Click(Control(form, button)); }

  // Presses Enter in a control, posted to the program's message loop as a
  // keyboard would. Returns once `done` holds, or after `timeout_ms`.
  template <class Done>
  bool PressEnter(HWND control, Done done, DWORD timeout_ms = kAnswerMs) {
    PostKey(control, VK_RETURN);
    return WaitFor(done, timeout_ms);
  }

  // The shown message box owned by `owner`, or nullptr.
  [[nodiscard]] HWND FindMessageBox(HWND owner) const;
  [[nodiscard]] MessageBoxSeen ReadMessageBox(HWND box) const;
  // Dismisses a box that Click() returned; returns once the click that
  // opened it has finished. Throws when the box does not close.
  void Dismiss(HWND box, Dismiss how);

  // Walks from the window shown to FormN through the switch buttons;
  // returns the number of buttons clicked.
  int GoTo(int form);

  // Posts WM_CLOSE to a window; the program's exit code once it has ended,
  // nothing when it still runs after `timeout_ms`.
  std::optional<DWORD> CloseAndWait(HWND window, DWORD timeout_ms);

  // Waits until the program is idle between messages: answers a sent
  // WM_NULL through `window`.
  void Sync(HWND window) const;

  template <class Done>
  static bool WaitFor(Done done, DWORD timeout_ms) {
    const ULONGLONG end = GetTickCount64() + timeout_ms;
    while (!done()) {
      if (GetTickCount64() > end) return false;
      Sleep(5);
    }
    return true;
  }

 private:
  void Launch(const std::vector<std::wstring>& arguments);
  void End();  // ends the program if it still runs, and lets go of it
  // Window FormN, found by its caption, or nullptr when it does not exist.
  [[nodiscard]] HWND FindForm(int form) const;
  [[nodiscard]] HWND FindControl(int form, std::string_view name) const;
  void PostKey(HWND control, WPARAM key) const;
  void FinishClick(DWORD timeout_ms);
  [[nodiscard]] bool ClickDone(DWORD wait_ms) const {
    return WaitForSingleObject(click_done_, wait_ms) == WAIT_OBJECT_0;
  }

  HANDLE job_ = nullptr;
  PROCESS_INFORMATION process_{};
  std::wstring settings_folder_;
  bool owns_settings_folder_ = true;
  std::thread click_;
  HANDLE click_done_ = CreateEventW(nullptr, TRUE, TRUE, nullptr);  // set while no click is pending
  // Windows and controls once found: they live as long as the program.
  mutable std::map<int, HWND> windows_;
  mutable std::map<std::pair<int, std::string>, HWND> controls_;
};

}  // namespace stockcalc::win32test
