// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

#include "calc/forms.h"
#include "calc/settings_store.h"
#include "shell/placement.h"
#include "shell/switch_table.h"
#include "shell/window_commands.h"

namespace stockcalc {

// A rectangle of the desktop, in the same pixels as the windows' positions.
struct ScreenRect {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// What the window set needs to know of the desktop it runs on.
class Desktop {
 public:
  virtual ~Desktop() = default;
  [[nodiscard]] virtual ScreenRect Screen() const = 0;    // the primary screen
  [[nodiscard]] virtual ScreenRect WorkArea() const = 0;  // the primary screen less its task bars
};

// The nine windows, one instance each, created on first use: the first time
// a window is shown or another window reads its position. A created window
// lives until the set is destroyed at the end of the program. Beside them,
// the trading-costs window, opened from any window's context menu.
//
// The rules are the same for every front end; FrontWindow is the front end's
// window, which offers Load, Show, Hide, Raise, Activate, Top, Left, SetTop,
// SetLeft, OuterWidth, OuterHeight and SetStaysOnTop.
template <class FrontWindow>
class BasicWindowSet : public WindowCommands {
 public:
  // Makes window `number` (1 to 9, or kFeesForm), its load step not yet run.
  using Maker = std::function<std::unique_ptr<FrontWindow>(int number, WindowCommands& commands)>;

  BasicWindowSet(Maker make, std::unique_ptr<Desktop> desktop, std::unique_ptr<SettingsStore> settings)
      : make_(std::move(make)),
        desktop_(std::move(desktop)),
        settings_(std::move(settings)),
        stay_on_top_(settings_->Read(kStayOnTopKey) == "true") {}

  // Creates the main window and shows it.
  void Start() { Window(1).Show(); }

  // Starts with the trading-costs window alone, centred on the screen.
  void StartWithFees() { FeesWindow(nullptr).Show(); }

  // Window FormN, created and loaded now if it does not exist yet.
  FrontWindow& Window(int number) {
    auto& slot = windows_.at(static_cast<std::size_t>(number - 1));
    if (!slot) {
      slot = make_(number, *this);
      // The load prologue: the border is fixed by the window itself, then
      // placement (which may create the window it copies), then caption and texts.
      Place(*slot, number);
      slot->Load();
      Created(*slot);
    }
    return *slot;
  }

  // Window FormN (or kFeesForm) if it exists, else nullptr; never creates.
  [[nodiscard]] FrontWindow* Existing(int number) const {
    if (number == kFeesForm) return fees_.get();
    return windows_.at(static_cast<std::size_t>(number - 1)).get();
  }

  // Moves the user from one window to another, the target taking the
  // source's top-left corner.
  void SwitchWindow(int from, int to, SwitchOrder order) {
    FrontWindow& source = Window(from);
    if (order == SwitchOrder::HideFirst) source.Hide();
    FrontWindow& target = Window(to);
    target.Show();
    if (order == SwitchOrder::ShowFirst) source.Hide();
    target.SetTop(source.Top());
    target.SetLeft(source.Left());
    target.Activate();
  }

  void Switch(int from, std::string_view button) override {
    if (const SwitchButton* entry = FindSwitch(from, button)) SwitchWindow(entry->from, entry->to, entry->order);
  }

  void OpenFeesWindow(int from) override {
    FrontWindow& fees = FeesWindow(Existing(from));
    fees.Show();
    fees.Raise();
    fees.Activate();
  }

  void SetStayOnTop(bool on) override {
    stay_on_top_ = on;
    settings_->Write(kStayOnTopKey, on ? "true" : "false");
    for (const auto& window : windows_) {
      if (window) window->SetStaysOnTop(on);
    }
    if (fees_) fees_->SetStaysOnTop(on);
  }

  [[nodiscard]] bool StaysOnTop() const { return stay_on_top_; }

  // What the program remembers between runs (the trading-costs window's
  // rates among it).
  [[nodiscard]] SettingsStore& Settings() { return *settings_; }

 private:
  static constexpr std::string_view kStayOnTopKey = "window/stay_on_top";
  static constexpr double kGap = 8;  // between a window and the trading-costs window beside it

  FrontWindow& FeesWindow(const FrontWindow* beside) {
    if (!fees_) {
      fees_ = make_(kFeesForm, *this);
      if (beside != nullptr) {
        PlaceBeside(*fees_, *beside);
      } else {
        Place(*fees_, kFeesForm);
      }
      fees_->Load();
      Created(*fees_);
    }
    return *fees_;
  }

  void Created(FrontWindow& window) const {
    if (stay_on_top_) window.SetStaysOnTop(true);
  }

  void Place(FrontWindow& window, int number) {
    const Placement placement = PlacementOf(number);
    const ScreenRect screen = desktop_->Screen();
    switch (placement.rule) {
      case PlacementRule::CenterOnScreen:
        window.SetTop(CenterOnScreen(screen.height, window.OuterHeight()));
        window.SetLeft(CenterOnScreen(screen.width, window.OuterWidth()));
        break;
      case PlacementRule::CenterByMainWindow: {
        const FrontWindow& main = Window(1);
        window.SetTop(CenterOnScreen(screen.height, main.OuterHeight()));
        window.SetLeft(CenterOnScreen(screen.width, main.OuterWidth()));
        break;
      }
      case PlacementRule::SameAsWindow: {
        const FrontWindow& other = Window(placement.other);
        window.SetTop(other.Top());
        window.SetLeft(other.Left());
        break;
      }
    }
  }

  // To the right of the other window, else to its left, else centred.
  void PlaceBeside(FrontWindow& window, const FrontWindow& other) {
    const ScreenRect area = desktop_->WorkArea();
    double left = other.Left() + other.OuterWidth() + kGap;
    if (left + window.OuterWidth() > area.left + area.width) left = other.Left() - kGap - window.OuterWidth();
    if (left < area.left) left = CenterOnScreen(area.width, window.OuterWidth());
    window.SetLeft(left);
    window.SetTop(std::max(other.Top(), area.top));
  }

  Maker make_;
  std::unique_ptr<Desktop> desktop_;
  std::unique_ptr<SettingsStore> settings_;
  std::array<std::unique_ptr<FrontWindow>, kFormCount> windows_;
  std::unique_ptr<FrontWindow> fees_;
  bool stay_on_top_ = false;
};

}  // namespace stockcalc
