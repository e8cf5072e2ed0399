// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stockcalc {

// What the program remembers between runs, by key. The widget layer keeps
// it in the user's settings; tests keep it in memory.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  [[nodiscard]] virtual std::optional<std::string> Read(std::string_view key) const = 0;
  virtual void Write(std::string_view key, std::string_view value) = 0;
};

}  // namespace stockcalc
