// SPDX-License-Identifier: GPL-3.0-or-later
// The window set's rules with windows that are only positions and flags:
// what each front end does with its real windows.
#include "shell/window_set.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace stockcalc {
namespace {

class MemorySettings final : public SettingsStore {
 public:
  explicit MemorySettings(std::map<std::string, std::string, std::less<>>& values) : values_(values) {}
  [[nodiscard]] std::optional<std::string> Read(std::string_view key) const override {
    const auto found = values_.find(key);
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  void Write(std::string_view key, std::string_view value) override { values_[std::string(key)] = value; }

 private:
  std::map<std::string, std::string, std::less<>>& values_;
};

class FixedDesktop final : public Desktop {
 public:
  [[nodiscard]] ScreenRect Screen() const override { return {0, 0, 800, 600}; }
  [[nodiscard]] ScreenRect WorkArea() const override { return {0, 0, 800, 560}; }
};

struct FakeWindow {
  int number = 0;
  int loads = 0;
  bool shown = false;
  bool on_top = false;
  double top = 0;
  double left = 0;
  double width = 301;  // a client area of 307 less the frame the tests do not need
  double height = 250;

  void Load() { ++loads; }
  void Show() { shown = true; }
  void Hide() { shown = false; }
  void Raise() {}
  void Activate() {}
  [[nodiscard]] double Top() const { return top; }
  [[nodiscard]] double Left() const { return left; }
  void SetTop(double value) { top = value; }
  void SetLeft(double value) { left = value; }
  [[nodiscard]] double OuterWidth() const { return width; }
  [[nodiscard]] double OuterHeight() const { return height; }
  void SetStaysOnTop(bool on) { on_top = on; }
};

class WindowSetTest : public testing::Test {
 protected:
  std::unique_ptr<BasicWindowSet<FakeWindow>> NewSet() {
    return std::make_unique<BasicWindowSet<FakeWindow>>(
        [](int number, WindowCommands&) {
          auto window = std::make_unique<FakeWindow>();
          window->number = number;
          if (number == kFeesForm) window->width = 300;
          return window;
        },
        std::make_unique<FixedDesktop>(), std::make_unique<MemorySettings>(settings_));
  }

  static int ShownCount(const BasicWindowSet<FakeWindow>& set) {
    int shown = 0;
    for (int n = 1; n <= kFormCount; ++n) {
      if (const FakeWindow* window = set.Existing(n); window != nullptr && window->shown) ++shown;
    }
    return shown;
  }

  std::map<std::string, std::string, std::less<>> settings_;
};

TEST_F(WindowSetTest, StartsWithTheMainWindowAloneCentredKeepingTheHalfPixel) {
  auto set = NewSet();
  set->Start();
  const FakeWindow& main = *set->Existing(1);
  EXPECT_TRUE(main.shown);
  EXPECT_EQ(main.left, 249.5);
  EXPECT_EQ(main.top, 175);
  for (int n = 2; n <= kFormCount; ++n) EXPECT_EQ(set->Existing(n), nullptr) << n;
}

TEST_F(WindowSetTest, EverySwitchShowsItsTargetAloneWhereTheSourceStood) {
  for (const SwitchButton& entry : SwitchTable()) {
    auto set = NewSet();
    set->Start();
    FakeWindow& source = set->Window(entry.from);
    set->Window(1).Hide();
    source.Show();
    source.SetTop(12.5);
    source.SetLeft(34);
    set->Switch(entry.from, entry.button);
    const FakeWindow& target = *set->Existing(entry.to);
    EXPECT_TRUE(target.shown) << entry.from << " " << entry.button;
    EXPECT_EQ(ShownCount(*set), 1) << entry.from << " " << entry.button;
    EXPECT_EQ(target.top, 12.5);
    EXPECT_EQ(target.left, 34);
  }
}

TEST_F(WindowSetTest, AWindowThatCopiesAnotherCreatesItHiddenAndLoadsEachOnce) {
  auto set = NewSet();
  set->Start();
  set->Switch(1, "Command5");  // to Form7, which stands where Form3 stands
  ASSERT_NE(set->Existing(3), nullptr);
  EXPECT_FALSE(set->Existing(3)->shown);
  set->Switch(7, "Command3");
  set->Switch(1, "Command4");
  EXPECT_TRUE(set->Existing(3)->shown);
  EXPECT_EQ(set->Existing(3)->loads, 1);
  EXPECT_EQ(set->Existing(7)->loads, 1);
}

TEST_F(WindowSetTest, AButtonOutsideTheSwitchTableSwitchesNothing) {
  auto set = NewSet();
  set->Start();
  set->Switch(1, "Command1");
  set->Switch(2, "Command3");  // Form2 does not exist and is not made by a stray call
  EXPECT_EQ(ShownCount(*set), 1);
  EXPECT_TRUE(set->Existing(1)->shown);
}

TEST_F(WindowSetTest, TheFeesWindowOpensBesideItsWindowOrWhereThereIsRoom) {
  auto set = NewSet();
  set->Start();
  FakeWindow& main = set->Window(1);
  main.SetLeft(100);
  set->OpenFeesWindow(1);
  EXPECT_EQ(set->Existing(kFeesForm)->left, 100 + 301 + 8);  // to the right
  EXPECT_TRUE(set->Existing(kFeesForm)->shown);

  auto crowded = NewSet();
  crowded->Start();
  crowded->Window(1).SetLeft(450);
  crowded->Window(1).SetTop(-20);
  crowded->OpenFeesWindow(1);
  EXPECT_EQ(crowded->Existing(kFeesForm)->left, 450 - 8 - 300);  // no room on the right
  EXPECT_EQ(crowded->Existing(kFeesForm)->top, 0);                // not above the work area

  auto squeezed = NewSet();
  squeezed->Start();
  squeezed->Window(1).SetLeft(300);
  squeezed->OpenFeesWindow(1);
  EXPECT_EQ(squeezed->Existing(kFeesForm)->left, 250);  // room on neither side: centred

  auto alone = NewSet();
  alone->StartWithFees();
  EXPECT_EQ(alone->Existing(1), nullptr);
  EXPECT_EQ(alone->Existing(kFeesForm)->left, 250);  // centred on the screen
}

TEST_F(WindowSetTest, StayOnTopReachesEveryWindowAndTheNextRun) {
  {
    auto set = NewSet();
    set->Start();
    set->SetStayOnTop(true);
    EXPECT_TRUE(set->Existing(1)->on_top);
    set->Switch(1, "Command3");
    EXPECT_TRUE(set->Existing(2)->on_top);  // created later
  }
  auto next_run = NewSet();
  EXPECT_TRUE(next_run->StaysOnTop());
  next_run->SetStayOnTop(false);
  EXPECT_EQ(settings_["window/stay_on_top"], "false");
}

}  // namespace
}  // namespace stockcalc
