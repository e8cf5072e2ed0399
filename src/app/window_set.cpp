// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_set.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/placement.h"

namespace stockcalc {
namespace {

constexpr std::string_view kStayOnTopKey = "window/stay_on_top";
constexpr int kGap = 8;  // between a window and the trading-costs window beside it

}  // namespace

WindowSet::WindowSet() : stay_on_top_(settings_.Read(kStayOnTopKey) == "true") {}
WindowSet::~WindowSet() = default;

void WindowSet::Start() { Window(1).show(); }

void WindowSet::StartWithFees() { FeesWindow(nullptr).show(); }

FormWindow* WindowSet::Existing(int number) const {
  if (number == kFeesForm) return fees_.get();
  return windows_.at(static_cast<std::size_t>(number - 1)).get();
}

FormWindow& WindowSet::Window(int number) {
  auto& slot = windows_.at(static_cast<std::size_t>(number - 1));
  if (!slot) {
    auto on_switch = [this, number](std::string_view button) {
      if (const SwitchButton* entry = FindSwitch(number, button)) {
        SwitchWindow(entry->from, entry->to, entry->order);
      }
    };
    slot = std::make_unique<FormWindow>(number, std::move(on_switch), this);
    // The load prologue: the border is fixed by the window itself, then
    // placement (which may create the window it copies), then caption and texts.
    Place(*slot, number);
    slot->Load();
    Created(*slot);
  }
  return *slot;
}

void WindowSet::Created(FormWindow& window) const {
  if (stay_on_top_) window.SetStaysOnTop(true);
}

void WindowSet::Place(FormWindow& window, int number) {
  const Placement placement = PlacementOf(number);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  switch (placement.rule) {
    case PlacementRule::CenterOnScreen:
      window.SetTop(CenterOnScreen(screen.height(), window.OuterHeight()));
      window.SetLeft(CenterOnScreen(screen.width(), window.OuterWidth()));
      break;
    case PlacementRule::CenterByMainWindow: {
      const FormWindow& main = Window(1);
      window.SetTop(CenterOnScreen(screen.height(), main.OuterHeight()));
      window.SetLeft(CenterOnScreen(screen.width(), main.OuterWidth()));
      break;
    }
    case PlacementRule::SameAsWindow: {
      const FormWindow& other = Window(placement.other);
      window.SetTop(other.Top());
      window.SetLeft(other.Left());
      break;
    }
  }
}

void WindowSet::SwitchWindow(int from, int to, SwitchOrder order) {
  FormWindow& source = Window(from);
  if (order == SwitchOrder::HideFirst) source.hide();
  FormWindow& target = Window(to);
  target.show();
  if (order == SwitchOrder::ShowFirst) source.hide();
  target.SetTop(source.Top());
  target.SetLeft(source.Left());
  target.activateWindow();
}

FormWindow& WindowSet::FeesWindow(FormWindow* beside) {
  if (!fees_) {
    fees_ = std::make_unique<FormWindow>(kFeesForm, nullptr, this);
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

void WindowSet::PlaceBeside(FormWindow& window, const FormWindow& other) {
  // To the right of the other window, else to its left, else centred.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  double left = other.Left() + other.OuterWidth() + kGap;
  if (left + window.OuterWidth() > screen.right() + 1) left = other.Left() - kGap - window.OuterWidth();
  if (left < screen.left()) left = CenterOnScreen(screen.width(), window.OuterWidth());
  window.SetLeft(left);
  window.SetTop(std::max(other.Top(), static_cast<double>(screen.top())));
}

void WindowSet::OpenFeesWindow(FormWindow& from) {
  FormWindow& fees = FeesWindow(&from);
  fees.show();
  fees.raise();
  fees.activateWindow();
}

void WindowSet::SetStayOnTop(bool on) {
  stay_on_top_ = on;
  settings_.Write(kStayOnTopKey, on ? "true" : "false");
  for (const auto& window : windows_) {
    if (window) window->SetStaysOnTop(on);
  }
  if (fees_) fees_->SetStaysOnTop(on);
}

}  // namespace stockcalc
