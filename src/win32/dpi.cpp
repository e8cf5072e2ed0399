// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/dpi.h"

namespace stockcalc {
namespace {

// DPI_AWARENESS_CONTEXT values, which Windows 7's headers do not have.
const auto kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const auto kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));

template <class Function>
Function Lookup(const wchar_t* module, const char* name) {
  HMODULE handle = GetModuleHandleW(module);
  if (handle == nullptr) handle = LoadLibraryW(module);
  if (handle == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kLayoutDpi;
}

}  // namespace

void BecomeDpiAware() {
  if (IsProcessDPIAware() != FALSE) return;  // the manifest's request was honoured
  using SetContext = BOOL(WINAPI*)(HANDLE);
  if (auto set_context = Lookup<SetContext>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
    if (set_context(kPerMonitorAwareV2) != FALSE || set_context(kPerMonitorAware) != FALSE) return;
  }
  using SetAwareness = HRESULT(WINAPI*)(int);
  if (auto set_awareness = Lookup<SetAwareness>(L"shcore.dll", "SetProcessDpiAwareness")) {
    if (SUCCEEDED(set_awareness(2))) return;  // PROCESS_PER_MONITOR_DPI_AWARE
  }
  SetProcessDPIAware();
}

int DpiOf(HWND window) {
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  static const auto get_dpi = Lookup<GetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
  if (get_dpi != nullptr && window != nullptr) {
    const UINT dpi = get_dpi(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

SIZE OuterSize(SIZE client, DWORD style, DWORD ex_style, int dpi) {
  RECT rect{0, 0, client.cx, client.cy};
  using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = Lookup<AdjustForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjust == nullptr || adjust(&rect, style, FALSE, ex_style, static_cast<UINT>(dpi)) == FALSE) {
    AdjustWindowRectEx(&rect, style, FALSE, ex_style);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace stockcalc
