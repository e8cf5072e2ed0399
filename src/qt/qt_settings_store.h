// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "calc/settings_store.h"

namespace stockcalc {

// The user's settings through QSettings: ~/.config/stockcalc/stockcalc.conf
// (tests switch Qt's paths to their test-mode location first). A file that
// cannot be read reads as no settings; one that cannot be written costs only
// the remembering. Neither stops the program or shows a message.
class QtSettingsStore final : public SettingsStore {
 public:
  [[nodiscard]] std::optional<std::string> Read(std::string_view key) const override;
  void Write(std::string_view key, std::string_view value) override;

  // Where the settings live.
  [[nodiscard]] static QString Path();
};

}  // namespace stockcalc
