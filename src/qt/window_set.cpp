// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/window_set.h"

#include <QGuiApplication>
#include <QScreen>

#include "qt/qt_settings_store.h"

namespace stockcalc {
namespace {

ScreenRect RectOf(const QRect& rect) { return {double(rect.left()), double(rect.top()), double(rect.width()), double(rect.height())}; }

class QtDesktop final : public Desktop {
 public:
  [[nodiscard]] ScreenRect Screen() const override { return RectOf(QGuiApplication::primaryScreen()->geometry()); }
  [[nodiscard]] ScreenRect WorkArea() const override {
    return RectOf(QGuiApplication::primaryScreen()->availableGeometry());
  }
};

}  // namespace

WindowSet::WindowSet()
    : BasicWindowSet<FormWindow>(
          [](int number, WindowCommands& commands) { return std::make_unique<FormWindow>(number, &commands); },
          std::make_unique<QtDesktop>(), std::make_unique<QtSettingsStore>()) {}

}  // namespace stockcalc
