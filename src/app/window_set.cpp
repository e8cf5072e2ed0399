// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_set.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/placement.h"

namespace stockcalc {

WindowSet::WindowSet() = default;
WindowSet::~WindowSet() = default;

void WindowSet::Start() { Window(1).show(); }

FormWindow* WindowSet::Existing(int number) const {
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
    slot = std::make_unique<FormWindow>(number, std::move(on_switch));
    // The load prologue: the border is fixed by the window itself, then
    // placement (which may create the window it copies), then caption and texts.
    Place(*slot, number);
    slot->Load();
  }
  return *slot;
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

}  // namespace stockcalc
