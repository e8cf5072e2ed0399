// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "calc/form.h"
#include "calc/settings_store.h"
#include "recording_prompter.h"

namespace stockcalc::test {

using Texts = std::vector<std::pair<std::string_view, std::string_view>>;

// Remembers settings for one test, in memory.
struct MemorySettings : SettingsStore {
  [[nodiscard]] std::optional<std::string> Read(std::string_view key) const override {
    const auto found = values.find(std::string(key));
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
  void Write(std::string_view key, std::string_view value) override { values[std::string(key)] = value; }
  std::map<std::string, std::string> values;
};

// A loaded window with a prompter that records, driven as a user would:
// type texts into boxes, click a button, read every text back.
template <class FormT>
struct FormHarness {
  FormHarness() { form.Form_Load(); }

  void Type(const Texts& typed) {
    for (const auto& [name, text] : typed) form.Control(name).SetText(std::string(text));
  }
  void Click(std::string_view button) { ASSERT_TRUE(form.Click(button)) << button; }
  const std::string& Text(std::string_view name) { return form.Control(name).Text(); }

  void ExpectTexts(const Texts& expected) {
    for (const auto& [name, text] : expected) EXPECT_EQ(Text(name), text) << name;
  }
  std::vector<std::string> Snapshot() {
    std::vector<std::string> texts;
    for (const auto& control : form.Controls()) texts.push_back(control.Text());
    return texts;
  }

  FormT Make() {
    if constexpr (std::is_constructible_v<FormT, Prompter&, SettingsStore&>) {
      return FormT(prompter, settings);
    } else {
      return FormT(prompter);
    }
  }

  RecordingPrompter prompter;
  MemorySettings settings;
  FormT form = Make();
};

// One row of a window's table: what is typed, what the window then shows,
// and the message it shows, if any.
struct FormCase {
  std::string_view name;
  Texts typed;
  Texts shown;
  std::string_view message = {};
};

template <class FormT>
void RunCases(const std::vector<FormCase>& cases, std::string_view button = "Command1") {
  for (const FormCase& c : cases) {
    SCOPED_TRACE(c.name);
    FormHarness<FormT> h;
    h.Type(c.typed);
    h.Click(button);
    h.ExpectTexts(c.shown);
    if (c.message.empty()) {
      EXPECT_TRUE(h.prompter.messages.empty());
    } else {
      EXPECT_EQ(h.prompter.messages, std::vector<std::string>{std::string(c.message)});
    }
  }
}

}  // namespace stockcalc::test
