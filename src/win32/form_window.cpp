// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <exception>

#include "calc/copy_text.h"
#include "calc/fees/form10.h"
#include "calc/forms.h"
#include "shell/fit_font.h"
#include "win32/accessible_names.h"
#include "win32/dpi.h"
#include "win32/look.h"
#include "win32/menu_commands.h"
#include "win32/message_box.h"
#include "win32/utf16.h"

namespace stockcalc {
namespace {

// A fixed single border: a caption, the system menu and a minimise box; no
// sizing border and no maximise box.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;

// Edit boxes keep this many pixels (at 96 DPI) free on each side of their text.
constexpr int kBoxMargin = 2;

// Drawn text reaches a pixel or two past its measured width (the last
// glyph's overhang, antialiasing): a label keeps that much room after it.
constexpr int kLabelOverhang = 2;

// Names the text boxes for screen readers once the window is on the
// screen, so that start-up does not wait for the accessibility service.
constexpr UINT_PTR kNameControls = 1;

FormWindow* From(HWND window) { return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

}  // namespace

void FormWindow::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  window_class.hIconSm = window_class.hIcon;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = kClassName;
  RegisterClassExW(&window_class);
}

HACCEL FormWindow::Accelerators() {
  static const HACCEL table = [] {
    ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'F', kOpenFees}, {FVIRTKEY | FCONTROL, 'T', kStayOnTop}};
    return CreateAcceleratorTableW(keys, 2);
  }();
  return table;
}

FormWindow::FormWindow(int number, WindowCommands& commands, FontCache& fonts, SettingsStore& settings)
    : form_(number == kFeesForm ? std::make_unique<Form10>(*this, settings) : CreateForm(number, *this)),
      commands_(commands),
      fonts_(fonts),
      number_(number),
      ends_program_(number != kFeesForm) {
  const WindowLayout& layout = form_->Layout();
  // Made at its final size with its caption and every control in place, so
  // that nothing is done twice before the window first shows.
  dpi_ = DpiOf(nullptr);
  const SIZE outer = OuterSize({Scale(layout.client_width, dpi_), Scale(layout.client_height, dpi_)}, kWindowStyle,
                               kWindowExStyle, dpi_);
  CreateWindowExW(kWindowExStyle, kClassName, Widen(layout.caption).c_str(), kWindowStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, outer.cx, outer.cy, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (const int dpi = DpiOf(window_); dpi != dpi_) {
    dpi_ = dpi;
    LayOut();
  }
  CreateControls();
}

FormWindow::~FormWindow() {
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

std::vector<std::size_t> FormWindow::CreationOrder() const {
  // The order among siblings is the tab order: first the table's tab order,
  // then the labels, result labels above captions so that a result is never
  // hidden under a caption that runs into it.
  const WindowLayout& layout = form_->Layout();
  std::vector<std::size_t> order;
  for (const std::string_view name : layout.tab_order) {
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
      if (layout.controls[i].name == name) order.push_back(i);
    }
  }
  for (const bool results : {true, false}) {
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
      const ControlLayout& row = layout.controls[i];
      if (row.kind == ControlKind::Label && row.text.empty() == results) order.push_back(i);
    }
  }
  return order;
}

void FormWindow::CreateControls() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const WindowLayout& layout = form_->Layout();
  controls_.assign(layout.controls.size(), nullptr);
  shown_.assign(layout.controls.size(), {});
  tips_.assign(layout.controls.size(), {});
  for (const ControlLayout& row : layout.controls) {
    font_pixels_.push_back(FontPixels(row.font));
    shown_colours_.push_back(row.colour);
  }
  for (const std::size_t i : CreationOrder()) {
    const ControlLayout& row = layout.controls[i];
    const wchar_t* window_class = L"Static";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD ex_style = 0;
    switch (row.kind) {
      case ControlKind::Label:
        // SS_CENTERIMAGE: a text in a smaller font stays centred on its row.
        style |= SS_LEFT | SS_NOPREFIX | SS_NOTIFY | SS_CENTERIMAGE;
        break;
      case ControlKind::TextBox:
      case ControlKind::ResultBox:
        window_class = L"Edit";
        style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        if (row.kind == ControlKind::ResultBox) style |= ES_READONLY;
        ex_style = WS_EX_CLIENTEDGE;
        break;
      case ControlKind::Button:
        window_class = L"Button";
        style |= WS_TABSTOP | BS_PUSHBUTTON;
        break;
    }
    // Each control starts with the text its table gives it after load.
    shown_[i] = std::string(row.text);
    const auto id = static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i));
    controls_[i] = CreateWindowExW(ex_style, window_class, Widen(row.text).c_str(), style, 0, 0, 0, 0, window_,
                                   reinterpret_cast<HMENU>(id), instance, nullptr);
    if (row.kind != ControlKind::Label) {
      SetWindowSubclass(controls_[i], ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    if (last_focus_ == nullptr && (style & WS_TABSTOP) != 0) last_focus_ = controls_[i];
    Place(i);
  }
}

void FormWindow::LayOut() {
  const WindowLayout& layout = form_->Layout();
  const SIZE client{Scale(layout.client_width, dpi_), Scale(layout.client_height, dpi_)};
  const SIZE outer = OuterSize(client, kWindowStyle, kWindowExStyle, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] != nullptr) Place(i);
  }
}

void FormWindow::Place(std::size_t index) {
  const ControlLayout& row = form_->Layout().controls[index];
  HWND control = controls_[index];
  const HFONT font = fonts_.Get(row.font, font_pixels_[index], dpi_);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const int left = Scale(row.geometry.left, dpi_);
  const int top = Scale(row.geometry.top, dpi_);
  if (row.kind == ControlKind::Label) {
    const std::wstring text = Widen(shown_[index]);
    const int width = text.empty() ? 0 : MeasureText(control, font, text).cx + Scale(kLabelOverhang, dpi_);
    MoveWindow(control, left, top, width, RowHeight(row.font), FALSE);
    return;
  }
  MoveWindow(control, left, top, Scale(row.geometry.width, dpi_), Scale(row.geometry.height, dpi_), FALSE);
  if (row.kind != ControlKind::Button) {
    const int margin = Scale(kBoxMargin, dpi_);
    SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
  }
}

int FormWindow::RowHeight(FontStyle style) const {
  // The height of a line in the style's own font: a label keeps it when its
  // text shrinks, so the smaller text stays centred on the row.
  return MeasureText(window_, fonts_.Get(style, dpi_), L"0").cy;
}

SIZE FormWindow::MeasureText(HWND control, HFONT font, const std::wstring& text) const {
  HDC dc = GetDC(control);
  const HGDIOBJ old = SelectObject(dc, font);
  RECT rect{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

RECT FormWindow::ControlRect(std::size_t index) const {
  RECT rect{};
  GetWindowRect(controls_[index], &rect);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void FormWindow::Load() {
  // The caption stands since the window was made; the texts are shown
  // where they differ from the table's.
  form_->Form_Load();
  ShowChangedTexts(Fit::Captions);
}

void FormWindow::Show() {
  const bool first = !shown_once_;
  shown_once_ = true;
  ShowWindow(window_, SW_SHOW);
  if (first) SetTimer(window_, kNameControls, 0, nullptr);  // after the first paint
}

void FormWindow::Hide() { ShowWindow(window_, SW_HIDE); }

void FormWindow::Raise() { SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }

void FormWindow::Activate() {
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
}

void FormWindow::SetStaysOnTop(bool on) {
  stays_on_top_ = on;
  SetWindowPos(window_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

double FormWindow::Top() const {
  RECT rect{};
  GetWindowRect(window_, &rect);
  return std::lround(top_) == rect.top ? top_ : static_cast<double>(rect.top);
}

double FormWindow::Left() const {
  RECT rect{};
  GetWindowRect(window_, &rect);
  return std::lround(left_) == rect.left ? left_ : static_cast<double>(rect.left);
}

void FormWindow::SetTop(double top) {
  top_ = top;
  RECT rect{};
  GetWindowRect(window_, &rect);
  SetWindowPos(window_, nullptr, rect.left, static_cast<int>(std::lround(top)), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::SetLeft(double left) {
  left_ = left;
  RECT rect{};
  GetWindowRect(window_, &rect);
  SetWindowPos(window_, nullptr, static_cast<int>(std::lround(left)), rect.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double FormWindow::OuterWidth() const {
  RECT rect{};
  GetWindowRect(window_, &rect);
  return rect.right - rect.left;
}

double FormWindow::OuterHeight() const {
  RECT rect{};
  GetWindowRect(window_, &rect);
  return rect.bottom - rect.top;
}

void FormWindow::OnButton(std::string_view button) {
  TakeTypedTexts();
  if (form_->Click(button)) {
    ShowChangedTexts();
  } else {
    commands_.Switch(number_, button);
  }
}

void FormWindow::OnMenu(int command) {
  switch (command) {
    case kOpenFees: commands_.OpenFeesWindow(number_); break;
    case kStayOnTop: commands_.SetStayOnTop(!stays_on_top_); break;
    case kCopyAll: CopyAll(); break;
    default: break;
  }
}

void FormWindow::ShowContextMenu(POINT where) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kOpenFees, L"交易费用与保本价…\tCtrl+F");
  AppendMenuW(menu, MF_STRING | (stays_on_top_ ? MF_CHECKED : MF_UNCHECKED), kStayOnTop, L"窗口置顶\tCtrl+T");
  AppendMenuW(menu, MF_STRING, kCopyAll, L"复制全部");
  if (where.x == -1 && where.y == -1) {  // from the keyboard: at the window's top-left corner
    where = {0, 0};
    ClientToScreen(window_, &where);
  }
  const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, where.x, where.y, 0, window_, nullptr);
  DestroyMenu(menu);
  if (command != 0) OnMenu(command);
}

void FormWindow::CopyAll() {
  TakeTypedTexts();  // what the boxes show now, computed or not
  const std::wstring text = Widen(CopyText(*form_));
  if (OpenClipboard(window_) == FALSE) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* target = GlobalLock(memory)) {
      CopyMemory(target, text.c_str(), bytes);
      GlobalUnlock(memory);
      if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

void FormWindow::Close() {
  // Closing any of the nine windows ends the program; the window set
  // destroys them all on the way out. The trading-costs window only hides,
  // unless it was the program's only window on the screen.
  if (!ends_program_) {
    Hide();
    bool any_shown = false;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM shown) {
          wchar_t window_class[32]{};
          GetClassNameW(window, window_class, 32);
          if (lstrcmpW(window_class, kClassName) == 0 && IsWindowVisible(window) != FALSE) {
            *reinterpret_cast<bool*>(shown) = true;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&any_shown));
    if (any_shown) return;
  }
  PostQuitMessage(0);
}

void FormWindow::TakeTypedTexts() {
  auto& controls = form_->Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].Kind() != ControlKind::TextBox) continue;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(controls_[i])), L'\0');
    const int length = GetWindowTextW(controls_[i], text.data(), static_cast<int>(text.size() + 1));
    text.resize(static_cast<std::size_t>(std::max(0, length)));
    controls[i].SetText(Narrow(text));
    controls[i].MarkShown();  // the box already shows it
    shown_[i] = controls[i].Text();
  }
}

void FormWindow::ShowChangedTexts(Fit fit) {
  auto& controls = form_->Controls();
  showing_texts_ = true;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    TextControl& control = controls[i];
    if (!control.Changed()) continue;
    control.MarkShown();
    if (control.Text() == shown_[i]) continue;
    shown_[i] = control.Text();
    const std::wstring text = Widen(control.Text());
    switch (control.Kind()) {
      case ControlKind::Label: ShowLabel(i, text, fit); break;
      case ControlKind::TextBox:
      case ControlKind::ResultBox: ShowBox(i, text, fit); break;
      case ControlKind::Button: SetWindowTextW(controls_[i], text.c_str()); break;
    }
  }
  showing_texts_ = false;
  // Only a window that colours a result by its sign ever changes a colour.
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const TextColour colour = form_->Colour(i);
    if (colour == shown_colours_[i]) continue;
    shown_colours_[i] = colour;
    InvalidateRect(controls_[i], nullptr, TRUE);
  }
}

void FormWindow::ShowLabel(std::size_t index, const std::wstring& text, Fit fit) {
  const ControlLayout& row = form_->Layout().controls[index];
  HWND label = controls_[index];
  SetWindowTextW(label, text.c_str());
  const int left = Scale(row.geometry.left, dpi_);
  const int top = Scale(row.geometry.top, dpi_);
  const int row_height = RowHeight(row.font);
  FontFit shown{FontPixels(row.font), true};
  if (fit == Fit::Results) {
    // The space to its right, by the shown controls beside it.
    std::vector<Rect> others;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      if (i == index || IsWindowVisible(controls_[i]) == FALSE) continue;
      const RECT rect = ControlRect(i);
      others.push_back({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
    }
    RECT client{};
    GetClientRect(window_, &client);
    const int space = LabelSpace({left, top, 1, row_height}, others, client.right);
    shown = FitFont(FontPixels(row.font), space, [&](int pixels) {
      return MeasureText(label, fonts_.Get(row.font, pixels, dpi_), text).cx + Scale(kLabelOverhang, dpi_);
    });
  }
  font_pixels_[index] = shown.pixels;
  const HFONT font = fonts_.Get(row.font, shown.pixels, dpi_);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const SIZE size = MeasureText(label, font, text);
  const int width = text.empty() ? 0 : size.cx + Scale(kLabelOverhang, dpi_);
  // A text too long even in the smallest font stands above what it runs
  // into, on the window's background, so no control hides a digit of it.
  const HWND z_order = shown.fits ? nullptr : HWND_TOP;
  SetWindowPos(label, z_order, left, top, width, row_height, SWP_NOACTIVATE | (shown.fits ? SWP_NOZORDER : 0));
  InvalidateRect(label, nullptr, TRUE);
  SetTip(index, shown.fits ? std::wstring() : text);
}

void FormWindow::ShowBox(std::size_t index, const std::wstring& text, Fit fit) {
  const ControlLayout& row = form_->Layout().controls[index];
  HWND box = controls_[index];
  FontFit shown{FontPixels(row.font), true};
  if (fit == Fit::Results) {
    RECT format{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const int space = format.right - format.left;
    // An edit scrolls once the text and one pixel for the caret no longer fit.
    shown = FitFont(FontPixels(row.font), space, [&](int pixels) {
      return MeasureText(box, fonts_.Get(row.font, pixels, dpi_), text).cx + 1;
    });
  }
  if (shown.pixels != font_pixels_[index]) {
    font_pixels_[index] = shown.pixels;
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(row.font, shown.pixels, dpi_)), TRUE);
    const int margin = Scale(kBoxMargin, dpi_);
    SendMessageW(box, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
  }
  SetWindowTextW(box, text.c_str());
  SendMessageW(box, EM_SETSEL, 0, 0);  // from the first character, never scrolled to the end
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
  SetTip(index, shown.fits ? std::wstring() : text);
}

void FormWindow::SetTip(std::size_t index, const std::wstring& text) {
  tips_[index] = text;
  if (tooltip_ == nullptr && !text.empty()) CreateTooltip();
  if (tooltip_ != nullptr && text.empty()) SendMessageW(tooltip_, TTM_POP, 0, 0);
}

void FormWindow::CreateTooltip() {
  // Made the first time a text does not fit, not at start-up.
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  for (HWND control : controls_) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void FormWindow::ShowMessage(std::string_view text) {
  ShowChangedTexts();
  ShowAppMessage(window_, Widen(text), fonts_);
}

LRESULT FormWindow::ColourText(HDC dc, HWND control, LRESULT brush) const {
  const int index = GetDlgCtrlID(control) - kFirstControlId;
  if (index < 0 || static_cast<std::size_t>(index) >= shown_colours_.size()) return brush;
  COLORREF rgb{};
  if (ColourOf(shown_colours_[static_cast<std::size_t>(index)], rgb)) SetTextColor(dc, rgb);
  return brush;
}

LRESULT CALLBACK FormWindow::ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR /*id*/,
                                         DWORD_PTR data) {
  auto* self = reinterpret_cast<FormWindow*>(data);
  const bool enter = wparam == VK_RETURN;
  switch (message) {
    case WM_GETDLGCODE:
      // The message loop's dialog navigation would take Enter; the box wants it.
      if (lparam != 0 && enter) return DLGC_WANTALLKEYS | DefSubclassProc(control, message, wparam, lparam);
      break;
    case WM_KEYDOWN:
      if (enter) {
        wchar_t window_class[8]{};
        GetClassNameW(control, window_class, 8);
        if (lstrcmpiW(window_class, L"Button") == 0) {
          SendMessageW(control, BM_CLICK, 0, 0);  // Enter presses the focused button, as Space does
        } else {
          // Return or the keypad's Enter in any box computes, as "=" does on a calculator.
          try {
            self->OnButton("Command1");
          } catch (...) {
          }
        }
        return 0;
      }
      if (wparam == 'A' && GetKeyState(VK_CONTROL) < 0) {
        SendMessageW(control, EM_SETSEL, 0, -1);  // Ctrl+A selects the whole box, as everywhere else
        return 0;
      }
      break;
    case WM_CHAR:
      if (enter || wparam == 1) return 0;  // no beep for Enter or Ctrl+A, both handled on key down
      break;
    case WM_NCDESTROY: RemoveWindowSubclass(control, ControlProc, 0); break;
    default: break;
  }
  return DefSubclassProc(control, message, wparam, lparam);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  FormWindow* self = From(window);
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  // No C++ exception crosses back into Windows: a failed handler ends the
  // click, not the program.
  try {
    return self->Handle(message, wparam, lparam);
  } catch (...) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
}

LRESULT FormWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      if (LOWORD(wparam) >= kOpenFees && LOWORD(wparam) <= kCopyAll) {
        OnMenu(LOWORD(wparam));
        return 0;
      }
      const int index = LOWORD(wparam) - kFirstControlId;
      if (index < 0 || static_cast<std::size_t>(index) >= controls_.size()) break;
      const ControlLayout& row = form_->Layout().controls[static_cast<std::size_t>(index)];
      if (HIWORD(wparam) == BN_CLICKED && row.kind == ControlKind::Button) {
        OnButton(row.name);
        return 0;
      }
      if (HIWORD(wparam) == EN_CHANGE && !showing_texts_ && font_pixels_[static_cast<std::size_t>(index)] !=
                                                                 FontPixels(row.font)) {
        // A box shrunk to show a long computed text takes its own font
        // again as soon as the user types into it.
        font_pixels_[static_cast<std::size_t>(index)] = FontPixels(row.font);
        SendMessageW(controls_[static_cast<std::size_t>(index)], WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_.Get(row.font, dpi_)), TRUE);
        SetTip(static_cast<std::size_t>(index), {});
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return ColourText(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam),
                        DefWindowProcW(window_, message, wparam, lparam));
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->hwndFrom == tooltip_ && header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lparam);
        const auto control = reinterpret_cast<HWND>(header->idFrom);
        const auto found = std::find(controls_.begin(), controls_.end(), control);
        info->lpszText = const_cast<wchar_t*>(found == controls_.end()
                                                  ? L""
                                                  : tips_[static_cast<std::size_t>(found - controls_.begin())].c_str());
        return 0;
      }
      break;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus) != FALSE) last_focus_ = focus;
      } else if (last_focus_ != nullptr) {
        SetFocus(last_focus_);
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wparam);
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut();
      return 0;
    }
    case WM_TIMER:
      if (wparam != kNameControls) break;
      KillTimer(window_, kNameControls);
      for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlLayout& row = form_->Layout().controls[i];
        if (!row.accessible_name.empty()) SetAccessibleName(controls_[i], Widen(row.accessible_name));
      }
      return 0;
    case WM_CONTEXTMENU:
      ShowContextMenu({static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
      return 0;
    case WM_CLOSE: Close(); return 0;
    default: break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace stockcalc
