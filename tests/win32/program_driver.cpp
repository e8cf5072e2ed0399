// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_driver.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <memory>
#include <queue>
#include <stdexcept>

#include "calc/fees/form10.h"
#include "calc/forms.h"
#include "shell/switch_table.h"

namespace stockcalc::win32test {
namespace {

struct SilentPrompter final : Prompter {
  void ShowMessage(std::string_view /*text*/) override {}
};

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what); }

std::wstring ClassOf(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  return name;
}

bool SameClass(HWND window, std::wstring_view name) { return lstrcmpiW(ClassOf(window).c_str(), name.data()) == 0; }

DWORD PidOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

template <class Keep>
std::vector<HWND> TopLevelWindows(Keep keep) {
  std::vector<HWND> all;
  EnumWindows(
      [](HWND window, LPARAM found) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> kept;
  std::copy_if(all.begin(), all.end(), std::back_inserter(kept), keep);
  return kept;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> all;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM found) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  return all;
}

RECT ClientRectOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring_view ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return L"Static";
    case ControlKind::TextBox:
    case ControlKind::ResultBox: return L"Edit";
    case ControlKind::Button: return L"Button";
  }
  return L"";
}

std::string Describe(HWND child) {
  const RECT r = ClientRectOf(child);
  return Narrow(ClassOf(child)) + " id " + std::to_string(GetDlgCtrlID(child)) + " at (" + std::to_string(r.left) +
         "," + std::to_string(r.top) + ") " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}

// A Unix path is reached through wine's Z: drive.
std::wstring ProgramPath() {
  const DWORD length = GetEnvironmentVariableW(L"STOCKCALC_EXE", nullptr, 0);
  if (length == 0) Fail("STOCKCALC_EXE names no program: set it to stockcalc.exe's path");
  std::wstring path(length, L'\0');
  path.resize(GetEnvironmentVariableW(L"STOCKCALC_EXE", path.data(), length));
  if (!path.empty() && path.front() == L'/') {
    std::replace(path.begin(), path.end(), L'/', L'\\');
    path.insert(0, L"Z:");
  }
  return path;
}

// This process's environment with APPDATA set to `appdata`.
std::wstring EnvironmentWith(const std::wstring& appdata) {
  std::wstring block;
  wchar_t* strings = GetEnvironmentStringsW();
  for (const wchar_t* entry = strings; *entry != L'\0'; entry += wcslen(entry) + 1) {
    if (_wcsnicmp(entry, L"APPDATA=", 8) == 0) continue;
    block.append(entry).push_back(L'\0');
  }
  FreeEnvironmentStringsW(strings);
  block.append(L"APPDATA=" + appdata).push_back(L'\0');
  block.push_back(L'\0');
  return block;
}

std::wstring NewSettingsFolder() {
  static int count = 0;
  wchar_t temp[MAX_PATH + 1]{};
  GetTempPathW(MAX_PATH + 1, temp);
  const std::wstring folder = std::wstring(temp) + L"stockcalc-driver-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(++count);
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

std::wstring Widen(std::string_view text) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr, nullptr);
  return narrow;
}

void Command(HWND window, MenuCommand command) {
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutW(window, WM_COMMAND, command, 0, SMTO_NORMAL, kAnswerMs, &ignored) == 0)
    Fail("WM_COMMAND " + std::to_string(command) + " went unanswered");
}

const WindowLayout& LayoutOf(int form) {
  if (form == kFeesForm) return Form10::kLayout;
  static SilentPrompter prompter;
  static const auto forms = [] {
    std::vector<std::unique_ptr<Form>> all;
    for (int n = 1; n <= kFormCount; ++n) all.push_back(CreateForm(n, prompter));
    return all;
  }();
  if (form < 1 || form > kFormCount) Fail("no window Form" + std::to_string(form));
  return forms[static_cast<std::size_t>(form - 1)]->Layout();
}

std::size_t RowOf(int form, std::string_view name) {
  const auto& controls = LayoutOf(form).controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].name == name) return i;
  }
  Fail("Form" + std::to_string(form) + " has no control " + std::string(name));
}

Program::Program(const std::vector<std::wstring>& arguments)
    : settings_folder_(NewSettingsFolder()), owns_settings_folder_(true) {
  Launch(arguments);
}

Program::Program(const std::vector<std::wstring>& arguments, const Program& earlier)
    : settings_folder_(earlier.settings_folder_), owns_settings_folder_(false) {
  Launch(arguments);
}

void Program::Launch(const std::vector<std::wstring>& arguments) {
  const std::wstring path = ProgramPath();
  std::wstring command_line = L"\"" + path + L"\"";
  for (const std::wstring& argument : arguments) command_line += L" " + argument;
  std::wstring environment = EnvironmentWith(settings_folder_);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                     CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED, environment.data(), nullptr, &startup,
                     &process_) == FALSE) {
    Fail("cannot start " + Narrow(path) + ": error " + std::to_string(GetLastError()));
  }
  // In a job that ends it when this process ends, even by a crash.
  job_ = CreateJobObjectW(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job_ != nullptr) {
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    AssignProcessToJobObject(job_, process_.hProcess);
  }
  ResumeThread(process_.hThread);
  WaitForInputIdle(process_.hProcess, kStartMs);
  if (!WaitFor([this] { return !Windows(true).empty(); }, kStartMs)) {
    End();
    Fail("the program showed no window within " + std::to_string(kStartMs / 1000) + " s");
  }
}

Program::~Program() { End(); }

void Program::End() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, kAnswerMs);
  }
  if (click_.joinable()) click_.join();  // its SendMessage returns once the process is gone
  CloseHandle(click_done_);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  if (job_ != nullptr) CloseHandle(job_);
  process_ = {};
  if (!owns_settings_folder_) return;
  std::error_code ignored;
  std::filesystem::remove_all(settings_folder_, ignored);
}

std::vector<HWND> Program::Windows(bool visible_only) const {
  return TopLevelWindows([this, visible_only](HWND window) {
    return PidOf(window) == process_.dwProcessId && SameClass(window, L"StockCalcWindow") &&
           (!visible_only || IsWindowVisible(window) != FALSE);
  });
}

HWND Program::FindForm(int form) const {
  const std::string caption(LayoutOf(form).caption);
  HWND found = nullptr;
  for (HWND window : Windows()) {
    if (Text(window) != caption) continue;
    if (found != nullptr) Fail("two windows have Form" + std::to_string(form) + "'s caption " + caption);
    found = window;
  }
  return found;
}

HWND Program::Window(int form) const {
  HWND& known = windows_[form];
  if (known != nullptr && IsWindow(known) != FALSE) return known;
  HWND window = FindForm(form);
  if (window == nullptr) Fail("no window with Form" + std::to_string(form) + "'s caption");
  known = window;
  return window;
}

int Program::ShownForm() const {
  const std::vector<HWND> shown = Windows(true);
  if (shown.size() != 1) return 0;
  const std::string caption = Text(shown.front());
  for (int form = 1; form <= kFormCount; ++form) {
    if (LayoutOf(form).caption == caption) return form;
  }
  return LayoutOf(kFeesForm).caption == caption ? kFeesForm : 0;
}

HWND Program::Control(int form, std::string_view name) const {
  HWND& known = controls_[{form, std::string(name)}];
  if (known == nullptr || IsWindow(known) == FALSE) known = FindControl(form, name);
  return known;
}

HWND Program::FindControl(int form, std::string_view name) const {
  const std::size_t row = RowOf(form, name);
  const ControlLayout& table = LayoutOf(form).controls[row];
  const int id = 100 + static_cast<int>(row);
  const std::wstring_view wanted_class = ClassFor(table.kind);
  const std::string where = "Form" + std::to_string(form) + " " + std::string(name) + " (" +
                            Narrow(wanted_class) + " at (" + std::to_string(table.geometry.left) + "," +
                            std::to_string(table.geometry.top) + "), id " + std::to_string(id) + ")";
  HWND window = Window(form);
  std::vector<HWND> there;
  HWND with_id = nullptr;
  for (HWND child : Children(window)) {
    if (GetDlgCtrlID(child) == id) with_id = child;
    if (!SameClass(child, wanted_class)) continue;
    const RECT r = ClientRectOf(child);
    const bool placed = r.left == table.geometry.left && r.top == table.geometry.top &&
                        (table.kind == ControlKind::Label ||
                         (r.right - r.left == table.geometry.width && r.bottom - r.top == table.geometry.height));
    if (placed) there.push_back(child);
  }
  const auto match = std::find(there.begin(), there.end(), with_id);
  if (with_id == nullptr || match == there.end()) {
    std::string seen = where + ": ";
    seen += there.empty() ? "nothing of that class stands there" : "there stands " + Describe(there.front());
    if (with_id != nullptr) seen += "; its id has " + Describe(with_id);
    Fail(seen);
  }
  const bool read_only = (GetWindowLongPtrW(with_id, GWL_STYLE) & ES_READONLY) != 0;
  if (table.kind == ControlKind::TextBox && read_only) Fail(where + ": a text box is read-only");
  if (table.kind == ControlKind::ResultBox && !read_only) Fail(where + ": a result box is not read-only");
  return with_id;
}

void Program::SetText(HWND control, std::string_view text) const {
  const std::wstring wide = Widen(text);
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_NORMAL, kAnswerMs,
                          &result) == 0) {
    Fail("WM_SETTEXT went unanswered");
  }
}

std::string Program::Text(HWND control) const {
  DWORD_PTR length = 0;
  if (SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kAnswerMs, &length) == 0) {
    Fail("WM_GETTEXTLENGTH went unanswered");
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                          kAnswerMs, &copied) == 0) {
    Fail("WM_GETTEXT went unanswered");
  }
  text.resize(std::min<std::size_t>(copied, length));
  return Narrow(text);
}

POINT Program::ScreenTopLeft(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top};
}

void Program::Type(int form, const Texts& typed) const {
  for (const auto& [name, text] : typed) SetText(Control(form, name), text);
}

HWND Program::Click(HWND button) {
  if (!ClickDone(0)) Fail("a click is still waiting for its message box to close");
  if (click_.joinable()) click_.join();
  HWND owner = GetAncestor(button, GA_ROOT);
  ResetEvent(click_done_);
  // Sent from a thread of its own: SendMessage returns only once the
  // program has handled the click, which for a click that opens a modal
  // box is once the box has closed. Meanwhile this thread watches for it.
  click_ = std::thread([this, button] {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 6 * kAnswerMs, &ignored);
    SetEvent(click_done_);
  });
  HWND box = nullptr;
  const ULONGLONG end = GetTickCount64() + kAnswerMs;
  while (!ClickDone(2) && (box = FindMessageBox(owner)) == nullptr && GetTickCount64() < end) {
  }
  if (ClickDone(0)) {
    click_.join();
    return nullptr;
  }
  if (box == nullptr) Fail("a click neither finished nor opened a message box over its window");
  Sync(box);
  return box;
}

void Program::FinishClick(DWORD timeout_ms) {
  if (!ClickDone(timeout_ms)) Fail("the click did not finish");
  if (click_.joinable()) click_.join();
}

HWND Program::FindMessageBox(HWND owner) const {
  const std::vector<HWND> boxes = TopLevelWindows([this, owner](HWND window) {
    return PidOf(window) == process_.dwProcessId && SameClass(window, L"#32770") &&
           GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window) != FALSE;
  });
  return boxes.empty() ? nullptr : boxes.front();
}

MessageBoxSeen Program::ReadMessageBox(HWND box) const {
  MessageBoxSeen seen;
  seen.caption = Text(box);
  for (HWND child : Children(box)) {
    if (SameClass(child, L"Static")) {
      const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
      const LONG_PTR type = style & SS_TYPEMASK;
      if (type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE) {
        seen.icon = true;
      } else {
        seen.texts.push_back(Text(child));
      }
    } else if (SameClass(child, L"Button")) {
      seen.buttons.emplace_back(GetDlgCtrlID(child), Text(child));
    }
  }
  return seen;
}

void Program::PostKey(HWND control, WPARAM key) const {
  const auto scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC));
  PostMessageW(control, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageW(control, WM_KEYUP, key, 1 | (scan << 16) | (LPARAM{3} << 30));
}

void Program::Dismiss(HWND box, enum Dismiss how) {
  if (how == Dismiss::ClickOk) {
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  } else {
    // Keys go where the keyboard focus is, as a user's keys would.
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
    PostKey(info.hwndFocus != nullptr ? info.hwndFocus : box, how == Dismiss::Enter ? VK_RETURN : VK_ESCAPE);
  }
  if (!WaitFor([box] { return IsWindow(box) == FALSE; }, kAnswerMs)) Fail("the message box did not close");
  FinishClick(kAnswerMs);
}

int Program::GoTo(int form) {
  const int start = ShownForm();
  if (start == 0) Fail("not exactly one calculator window shows");
  // The shortest path through the switch buttons, breadth first.
  std::map<int, const SwitchButton*> came_by{{start, nullptr}};
  std::queue<int> next;
  next.push(start);
  while (!next.empty() && came_by.count(form) == 0) {
    const int at = next.front();
    next.pop();
    for (const SwitchButton& entry : SwitchTable()) {
      if (entry.from == at && came_by.emplace(entry.to, &entry).second) next.push(entry.to);
    }
  }
  if (came_by.count(form) == 0) Fail("no switch leads to Form" + std::to_string(form));
  std::vector<const SwitchButton*> path;
  for (int at = form; came_by[at] != nullptr; at = came_by[at]->from) path.insert(path.begin(), came_by[at]);
  for (const SwitchButton* step : path) {
    const std::string what = "Form" + std::to_string(step->from) + " " + std::string(step->button);
    if (Click(step->from, step->button) != nullptr) Fail(what + " opened a message box");
    if (ShownForm() != step->to) {
      Fail(what + " showed Form" + std::to_string(ShownForm()) + " (0: not exactly one), not Form" +
           std::to_string(step->to));
    }
  }
  return static_cast<int>(path.size());
}

std::optional<DWORD> Program::CloseAndWait(HWND window, DWORD timeout_ms) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, timeout_ms) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

void Program::Sync(HWND window) const {
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &ignored) == 0) {
    Fail("the program did not answer within " + std::to_string(kAnswerMs / 1000) + " s");
  }
}

}  // namespace stockcalc::win32test
