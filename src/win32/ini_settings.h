// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calc/settings_store.h"

namespace stockcalc {

// The settings in an .ini file with the same keys and values as the Linux
// edition's settings file ("window/stay_on_top" is key stay_on_top in
// section [window]): stockcalc.ini beside the program when one is there (a
// portable copy), else %APPDATA%\stockcalc\stockcalc.ini. A file that cannot
// be read reads as no settings, and one that cannot be written costs only
// the remembering: neither stops the program nor shows a message.
class IniSettings final : public SettingsStore {
 public:
  IniSettings();
  explicit IniSettings(std::wstring path) : path_(std::move(path)) {}

  [[nodiscard]] std::optional<std::string> Read(std::string_view key) const override;
  void Write(std::string_view key, std::string_view value) override;

  [[nodiscard]] const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

}  // namespace stockcalc
