// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "calc/form.h"
#include "shell/window_commands.h"

namespace stockcalc {

class FontCache;
class SettingsStore;

// One calculator window on the screen, made of standard controls from the
// window's layout table: a Static per label, an Edit per box (read-only for
// results), a Button per button, control id 100 + the row of the table. It
// keeps the controls in step with the calculator's texts: typed text goes
// in before a handler runs, changed texts come out after it (and before any
// message box, so the user sees the cleaned inputs).
class FormWindow final : public Prompter {
 public:
  static constexpr const wchar_t* kClassName = L"StockCalcWindow";
  static constexpr int kFirstControlId = 100;

  // Registers the window class; once, before the first window.
  static void RegisterClass(HINSTANCE instance);

  // The context menu's shortcuts, Ctrl+F and Ctrl+T, for the message loop.
  static HACCEL Accelerators();

  // Window FormN with its calculator (kFeesForm for the trading-costs
  // window, which remembers its rates in `settings`), created hidden; its
  // load step has not run yet. Buttons that the calculator does not handle
  // itself and the context menu go to `commands`. Closing one of the nine
  // ends the program; closing the trading-costs window hides it, and ends
  // the program when it was the only window shown.
  FormWindow(int number, WindowCommands& commands, FontCache& fonts, SettingsStore& settings);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  [[nodiscard]] HWND Handle() const { return window_; }

  // Runs the calculator's load step and shows its texts and caption.
  void Load();

  // What the window set does with a window (shell/window_set.h): show,
  // hide, raise, activate, and read and set its outer position (floating point,
  // the screen showing the nearest pixel) and size.
  void Show();
  void Hide();
  void Raise();
  void Activate();
  [[nodiscard]] double Top() const;
  [[nodiscard]] double Left() const;
  void SetTop(double top);
  void SetLeft(double left);
  [[nodiscard]] double OuterWidth() const;
  [[nodiscard]] double OuterHeight() const;
  void SetStaysOnTop(bool on);

  void ShowMessage(std::string_view text) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                      DWORD_PTR data);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  [[nodiscard]] std::vector<std::size_t> CreationOrder() const;
  void CreateControls();
  void CreateTooltip();
  void LayOut();  // sizes the window and places every control for a new DPI
  void Place(std::size_t index);
  [[nodiscard]] int RowHeight(FontStyle style) const;
  void OnButton(std::string_view button);
  void OnMenu(int command);
  void ShowContextMenu(POINT where);
  void CopyAll();
  void Close();
  void TakeTypedTexts();
  enum class Fit { Captions, Results };
  void ShowChangedTexts(Fit fit = Fit::Results);
  void ShowLabel(std::size_t index, const std::wstring& text, Fit fit);
  void ShowBox(std::size_t index, const std::wstring& text, Fit fit);
  void SetTip(std::size_t index, const std::wstring& text);
  SIZE MeasureText(HWND control, HFONT font, const std::wstring& text) const;
  [[nodiscard]] RECT ControlRect(std::size_t index) const;
  LRESULT ColourText(HDC dc, HWND control, LRESULT brush) const;

  std::unique_ptr<Form> form_;
  WindowCommands& commands_;
  FontCache& fonts_;
  int number_ = 0;
  bool ends_program_ = true;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND last_focus_ = nullptr;
  int dpi_ = 96;
  bool stays_on_top_ = false;
  bool shown_once_ = false;
  bool showing_texts_ = false;  // EN_CHANGE from the program's own writes, not the user's typing
  std::vector<HWND> controls_;       // one per row of the layout table
  std::vector<int> font_pixels_;     // the font size each control shows, at 96 DPI
  std::vector<TextColour> shown_colours_;  // the text colour each control shows
  std::vector<std::wstring> tips_;   // the full text of a control that does not fit, else empty
  std::vector<std::string> shown_;   // the text each control shows
  double top_ = 0.0;
  double left_ = 0.0;
};

}  // namespace stockcalc
