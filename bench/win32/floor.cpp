// SPDX-License-Identifier: GPL-3.0-or-later
// The floor every Windows start-up figure is divided by: the smallest Win32
// program of the main window's shape. One window of 307 x 231 client pixels
// with the main window's styles and caption, its 9 Static labels, 3 Edit
// boxes (the result box read-only) and 7 push buttons at their places,
// with their captions, in Microsoft YaHei 9 pt, shown at start; nothing
// else.

#include <windows.h>

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/, int /*show*/) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = L"FloorWindow";
  RegisterClassExW(&window_class);

  RECT outer{0, 0, 307, 231};
  AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  HWND window = CreateWindowExW(0, L"FloorWindow", L"鼎衡股票计算器    作者：青松", kStyle,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                                width, height, nullptr, nullptr, instance, nullptr);

  LOGFONTW face{};
  face.lfHeight = -12;  // 9 pt at 96 DPI
  face.lfWeight = FW_NORMAL;
  face.lfCharSet = DEFAULT_CHARSET;
  face.lfQuality = CLEARTYPE_QUALITY;
  lstrcpyW(face.lfFaceName, L"Microsoft YaHei");
  HFONT font = CreateFontIndirectW(&face);
  HDC dc = GetDC(window);
  const HGDIOBJ old_font = SelectObject(dc, font);

  struct Item {
    int kind;  // 0 label, 1 text box, 2 button, 3 read-only box
    int x, y, w, h;
    const wchar_t* text;
  };
  const Item items[] = {
      {0, 24, 24, 36, 12, L"昨天收盘价："},
      {1, 104, 24, 89, 25, L""},
      {0, 200, 32, 12, 12, L""},
      {0, 232, 32, 12, 12, L"↑："},
      {0, 264, 32, 36, 12, L""},
      {0, 24, 72, 36, 12, L"涨跌幅："},
      {1, 104, 64, 89, 25, L"1.50"},
      {0, 200, 72, 60, 12, L"% 如：1.55"},
      {0, 24, 112, 36, 12, L"最低价："},
      {3, 104, 104, 89, 33, L"最低价"},
      {0, 200, 112, 6, 12, L"↓下跌："},
      {0, 240, 112, 36, 12, L""},
      {2, 16, 152, 86, 28, L"止盈止损价"},
      {2, 112, 152, 86, 28, L"补仓成本"},
      {2, 208, 152, 86, 28, L"涨跌幅切换"},
      {2, 16, 192, 46, 28, L"乘法"},
      {2, 56, 192, 46, 28, L"除法"},
      {2, 112, 192, 86, 28, L"复利计算器"},
      {2, 208, 192, 86, 28, L"涨停价切换"},
  };
  for (const Item& item : items) {
    const wchar_t* control_class = L"Static";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD ex_style = 0;
    int w = item.w;
    int h = item.h;
    if (item.kind == 0) {
      // A label is as large as its text, as the program sizes its labels.
      style |= SS_LEFT | SS_NOPREFIX | SS_NOTIFY | SS_CENTERIMAGE;
      SIZE size{};
      GetTextExtentPoint32W(dc, item.text, lstrlenW(item.text), &size);
      w = size.cx;
      h = size.cy;
    } else if (item.kind != 2) {
      control_class = L"Edit";
      style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | (item.kind == 3 ? ES_READONLY : 0);
      ex_style = WS_EX_CLIENTEDGE;
    } else {
      control_class = L"Button";
      style |= WS_TABSTOP | BS_PUSHBUTTON;
    }
    HWND control = CreateWindowExW(ex_style, control_class, item.text, style, item.x, item.y, w, h, window, nullptr,
                                   instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  SelectObject(dc, old_font);
  ReleaseDC(window, dc);

  ShowWindow(window, SW_SHOW);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message) != FALSE) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(font);
  return static_cast<int>(message.wParam);
}
