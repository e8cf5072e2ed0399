// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/window_set.h"

#include "win32/ini_settings.h"

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

}  // namespace

WindowSet::WindowSet()
    : BasicWindowSet<FormWindow>(
          [this](int number, WindowCommands& commands) {
            return std::make_unique<FormWindow>(number, commands, fonts, Settings());
          },
          std::make_unique<Win32Desktop>(), std::make_unique<IniSettings>()) {}

}  // namespace stockcalc
