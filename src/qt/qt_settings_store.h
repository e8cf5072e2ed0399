// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/settings_store.h"

namespace stockcalc {

// The user's settings through QSettings: ~/.config/stockcalc/stockcalc.conf
// (tests switch Qt's paths to their test-mode location first).
class QtSettingsStore final : public SettingsStore {
 public:
  [[nodiscard]] std::optional<std::string> Read(std::string_view key) const override;
  void Write(std::string_view key, std::string_view value) override;
};

}  // namespace stockcalc
