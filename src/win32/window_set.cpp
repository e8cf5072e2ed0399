// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/window_set.h"

namespace stockcalc {
namespace {

class Win32Desktop final : public Desktop {
 public:
  [[nodiscard]] ScreenRect Screen() const override {
    return {0, 0, static_cast<double>(GetSystemMetrics(SM_CXSCREEN)),
            static_cast<double>(GetSystemMetrics(SM_CYSCREEN))};
  }
  [[nodiscard]] ScreenRect WorkArea() const override {
    RECT area{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) == FALSE) return Screen();
    return {static_cast<double>(area.left), static_cast<double>(area.top),
            static_cast<double>(area.right - area.left), static_cast<double>(area.bottom - area.top)};
  }
};

// Remembers nothing: the settings file of the Windows edition is yet to come.
class NoSettings final : public SettingsStore {
 public:
  [[nodiscard]] std::optional<std::string> Read(std::string_view /*key*/) const override { return std::nullopt; }
  void Write(std::string_view /*key*/, std::string_view /*value*/) override {}
};

}  // namespace

WindowSet::WindowSet()
    : BasicWindowSet<FormWindow>(
          [this](int number, WindowCommands& commands) {
            return std::make_unique<FormWindow>(number, commands, fonts);
          },
          std::make_unique<Win32Desktop>(), std::make_unique<NoSettings>()) {}

}  // namespace stockcalc
