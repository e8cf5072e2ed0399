// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/command_line.h"

#include <windows.h>

#include <cstdlib>

#include <string>
#include <vector>

#include "win32/look.h"
#include "win32/message_box.h"
#include "win32/utf16.h"

namespace stockcalc {
namespace {

// The arguments as the C runtime split them for a wide entry point.
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc && __wargv != nullptr; ++i) arguments.push_back(Narrow(__wargv[i]));
  return arguments;
}

bool Leads(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN; }

// Writes to a console in UTF-16, to a pipe or a file in UTF-8.
bool WriteTo(HANDLE handle, const std::string& text) {
  if (!Leads(handle)) return false;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode) != FALSE) {
    std::wstring wide = Widen(text);
    std::wstring crlf;
    for (const wchar_t c : wide) {
      if (c == L'\n') crlf += L'\r';
      crlf += c;
    }
    DWORD written = 0;
    return WriteConsoleW(handle, crlf.c_str(), static_cast<DWORD>(crlf.size()), &written, nullptr) != FALSE;
  }
  DWORD written = 0;
  return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE;
}

void Report(const CommandLineExit& exit) {
  const std::string& text = exit.status == 0 ? exit.out : exit.error;
  const DWORD which = exit.status == 0 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  if (WriteTo(GetStdHandle(which), text)) return;
  if (AttachConsole(ATTACH_PARENT_PROCESS) != FALSE) {
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    const bool written = WriteTo(console, "\n" + text);
    if (console != INVALID_HANDLE_VALUE) CloseHandle(console);
    FreeConsole();
    if (written) return;
  }
  FontCache fonts;
  ShowAppMessage(nullptr, Widen(text), fonts);
}

}  // namespace

std::optional<int> ReadCommandLine(LaunchOptions& options) {
  const std::vector<std::string> arguments = Arguments();
  if (arguments.empty()) return std::nullopt;  // the usual start: nothing to read
  const std::optional<CommandLineExit> exit = ParseCommandLine(arguments, STOCKCALC_VERSION, options);
  if (!exit) return std::nullopt;
  Report(*exit);
  return exit->status;
}

}  // namespace stockcalc
