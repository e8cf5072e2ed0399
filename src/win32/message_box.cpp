// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/message_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "fields/prompt.h"
#include "win32/dpi.h"
#include "win32/look.h"
#include "win32/utf16.h"

namespace stockcalc {
namespace {

constexpr int kMessageId = 1000;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

// A dialog template in memory: DLGTEMPLATE, then its items, each on a
// DWORD boundary. Sizes are placeholders: the dialog lays itself out in
// pixels once it knows its monitor's DPI and font.
class DialogTemplate {
 public:
  explicit DialogTemplate(std::wstring_view title) {
    AddDword(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    AddDword(0);
    words_.push_back(0);  // item count, set by AddItem
    AddBox(100, 40);
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    AddString(title);
    words_.push_back(9);  // point size
    AddString(kWindowFace);
  }

  void AddItem(WORD atom, WORD id, DWORD style, std::wstring_view text) {
    ++words_[4];
    if (words_.size() % 2 != 0) words_.push_back(0);
    AddDword(style | WS_CHILD | WS_VISIBLE);
    AddDword(0);
    AddBox(10, 10);
    words_.push_back(id);
    words_.push_back(0xFFFF);
    words_.push_back(atom);
    AddString(text);
    words_.push_back(0);  // no creation data
  }

  [[nodiscard]] const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AddDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void AddBox(WORD width, WORD height) {
    for (const WORD word : {WORD{0}, WORD{0}, width, height}) words_.push_back(word);
  }
  void AddString(std::wstring_view text) {
    for (const wchar_t c : text) words_.push_back(static_cast<WORD>(c));
    words_.push_back(0);
  }

  std::vector<WORD> words_;
};

struct MessageState {
  std::wstring text;
  FontCache* fonts;
};

void LayOut(HWND dialog, const MessageState& state) {
  const int dpi = DpiOf(dialog);
  const HFONT font = state.fonts->Get(FontStyle::Default, dpi);
  HWND message = GetDlgItem(dialog, kMessageId);
  HWND button = GetDlgItem(dialog, IDOK);
  SendMessageW(message, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  HDC dc = GetDC(message);
  const HGDIOBJ old = SelectObject(dc, font);
  RECT text{0, 0, Scale(400, dpi), 0};
  DrawTextW(dc, state.text.c_str(), static_cast<int>(state.text.size()), &text,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(message, dc);

  const int margin = Scale(16, dpi);
  const SIZE button_size{Scale(75, dpi), Scale(26, dpi)};
  const int width = std::max({static_cast<int>(text.right) + 2 * margin, static_cast<int>(button_size.cx) + 2 * margin, Scale(200, dpi)});
  const int height = margin + text.bottom + margin + button_size.cy + Scale(12, dpi);
  MoveWindow(message, margin, margin, text.right, text.bottom, FALSE);
  MoveWindow(button, (width - button_size.cx) / 2, margin + text.bottom + margin, button_size.cx, button_size.cy,
             FALSE);

  const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE));
  const SIZE outer = OuterSize({width, height}, style, ex_style, dpi);
  // Centred over the window it belongs to, as a message box is.
  RECT over{};
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (owner == nullptr || GetWindowRect(owner, &over) == FALSE) SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
  const int left = over.left + ((over.right - over.left) - outer.cx) / 2;
  const int top = over.top + ((over.bottom - over.top) - outer.cy) / 2;
  SetWindowPos(dialog, nullptr, left, top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK MessageProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      LayOut(dialog, *reinterpret_cast<const MessageState*>(lparam));
      return TRUE;  // the focus goes to the button
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      break;
    default: break;
  }
  return FALSE;
}

}  // namespace

void ShowAppMessage(HWND owner, std::wstring_view text, FontCache& fonts) {
  const std::wstring title = Widen(kAppTitle);
  DialogTemplate dialog(title);
  dialog.AddItem(kStaticClass, kMessageId, SS_LEFT | SS_NOPREFIX, text);
  dialog.AddItem(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, L"确定");
  MessageState state{std::wstring(text), &fonts};
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner, MessageProc,
                          reinterpret_cast<LPARAM>(&state));
}

}  // namespace stockcalc
