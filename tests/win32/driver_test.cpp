// SPDX-License-Identifier: GPL-3.0-or-later
// stockcalc.exe driven from outside through window messages: its windows
// and controls where the layout tables put them, every window's worked
// examples on a click and on Enter, the prompt for an empty box, the clear
// buttons, every switch button, and closing a window ends the program.
// The expected texts are the core tests' (tests/calc).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/forms.h"
#include "program_driver.h"
#include "shell/switch_table.h"

namespace stockcalc::win32test {
namespace {

// Two worked examples of one window: what is typed into every input box
// (all of them, so that the examples do not depend on each other) and what
// the window then shows. The second types prices as traders do.
struct Examples {
  int form;
  Texts typed_a;
  Texts shown_a;
  Texts typed_b;
  Texts shown_b;
};

const std::vector<Examples>& WorkedExamples() {
  static const std::vector<Examples> examples = {
      {1,
       {{"Text1", "10"}, {"Text2", "1.50"}},
       {{"Text3", "9.85"}, {"Label7", "0.15元"}, {"Label8", "10.15"}, {"Label9", "0.30元"}},
       {{"Text1", "100元"}, {"Text2", "3.3%"}},
       {{"Text1", "100"},
        {"Text2", "3.3"},
        {"Text3", "96.70"},
        {"Label7", "3.30元"},
        {"Label8", "103.30"},
        {"Label9", "6.60元"}}},
      {2,
       {{"Text1", "10.5"}, {"Text2", "10"}},
       {{"Text3", "5.00"}, {"Label8", "0.50元"}},
       {{"Text1", "12.34元"}, {"Text2", "11，11"}},
       {{"Text1", "12.34"}, {"Text2", "11.11"}, {"Text3", "11.07"}, {"Label8", "1.23元"}}},
      {3,
       {{"Text1", "12.34"}},
       {{"Text2", "13.57"}, {"Text3", "11.11"}, {"Label8", "1.23元"}, {"Label10", "-1.23元"}},
       {{"Text1", "25，5"}},
       {{"Text1", "25.5"}, {"Text2", "28.05"}, {"Text3", "22.95"}, {"Label8", "2.55元"}, {"Label10", "-2.55元"}}},
      {4,
       {{"Text1", "10.5"}, {"Text2", "2"}},
       {{"Text3", "12.50"}},
       {{"Text1", "12，3元"}, {"Text2", "1%"}},
       {{"Text1", "12.3"}, {"Text2", "1"}, {"Text3", "13.30"}}},
      {5,
       {{"Text1", "12.34"}, {"Text2", "1000"}},
       {{"Text3", "12340.00"}, {"Label9", " 10"}},
       {{"Text1", "12,5元"}, {"Text2", "234"}},
       {{"Text1", "12.5"}, {"Text3", "2925.00"}, {"Label9", " 2"}}},
      {6,
       {{"Text1", "12.34"}, {"Text2", "300"}, {"Text3", "11.11"}, {"Text4", "200"}},
       {{"Label9", "成本：3702"},
        {"Label14", "成本：2222"},
        {"Label13", "总成本：5924"},
        {"Label15", "总股数：500"},
        {"Text5", "11.85"},
        {"Label7", "平均股价：11.85"}},
       {{"Text1", "10.5元"}, {"Text2", "1000股"}, {"Text3", "9.8"}, {"Text4", "500"}},
       {{"Text1", "10.50"},
        {"Text2", "1000"},
        {"Text3", "9.80"},
        {"Text4", "500"},
        {"Label9", "成本：10500"},
        {"Label14", "成本：4900"},
        {"Label13", "总成本：15400"},
        {"Label15", "总股数：1500"},
        {"Text5", "10.27"},
        {"Label7", "平均股价：10.27"}}},
      {7,
       {{"Text1", "10"}, {"Text2", "3"}, {"Text5", "10"}},
       {{"Text1", "10.00"},
        {"Text2", "3"},
        {"Text3", "13.31"},
        {"Text4", "7.29"},
        {"Label7", "上涨：3.31元"},
        {"Label8", "下跌：-2.71 元"}},
       {{"Text1", "12.34"}, {"Text2", "5.9个"}, {"Text5", "10%"}},
       {{"Text1", "12.34"},
        {"Text2", "5"},
        {"Text5", "10"},
        {"Text3", "19.87"},
        {"Text4", "7.29"},
        {"Label7", "上涨：7.53元"},
        {"Label8", "下跌：-5.05 元"}}},
      {8,
       {{"Text1", "10"}, {"Text2", "3"}, {"Text4", "5"}, {"Text6", "8"}},
       {{"Text3", "9.70"},
        {"Label15", "-0.30"},
        {"Text5", "9.50"},
        {"Label16", "-0.50"},
        {"Text7", "9.20"},
        {"Label17", "-0.80"}},
       {{"Text1", "10"}, {"Text2", "3，5"}, {"Text4", "3。5"}, {"Text6", "3元"}},
       {{"Text2", "3.5"}, {"Text4", "3.5"}, {"Text6", "3"}, {"Text3", "9.65"}, {"Label15", "-0.35"}, {"Text7", "9.70"}}},
      {9,
       {{"Text1", "100"}, {"Text2", "3"}},
       {{"Text3", "33.33"}},
       {{"Text1", "1，5"}, {"Text2", "3元"}},
       {{"Text1", "1.5"}, {"Text2", "3"}, {"Text3", "0.50"}}},
  };
  return examples;
}

void ExpectTexts(const Program& program, int form, const Texts& expected) {
  for (const auto& [name, text] : expected) {
    EXPECT_EQ(program.Text(program.Control(form, name)), text) << "Form" << form << " " << name;
  }
}

std::vector<std::string> TextsOf(const Program& program, int form, const Texts& names) {
  std::vector<std::string> texts;
  for (const auto& [name, text] : names) texts.push_back(program.Text(program.Control(form, name)));
  return texts;
}

// The texts of every control of a window that the user does not type into.
std::vector<std::string> OutputTexts(const Program& program, int form) {
  std::vector<std::string> texts;
  for (const ControlLayout& row : LayoutOf(form).controls) {
    if (row.kind == ControlKind::ResultBox || row.kind == ControlKind::Label) {
      texts.push_back(program.Text(program.Control(form, row.name)));
    }
  }
  return texts;
}

TEST(Start, OnlyTheMainWindowExistsAndShows) {
  Program program;
  EXPECT_EQ(program.Windows().size(), 1U);
  EXPECT_EQ(program.ShownForm(), 1);
}

TEST(Windows, EveryWindowStandsAsItsTableSaysWithItsLoadTexts) {
  Program program;
  for (int form = 1; form <= kFormCount; ++form) {
    SCOPED_TRACE("Form" + std::to_string(form));
    program.GoTo(form);
    const WindowLayout& layout = LayoutOf(form);
    RECT client{};
    GetClientRect(program.Window(form), &client);
    EXPECT_EQ(client.right, layout.client_width);
    EXPECT_EQ(client.bottom, layout.client_height);
    for (const ControlLayout& row : layout.controls) {
      EXPECT_EQ(program.Text(program.Control(form, row.name)), row.text) << row.name;
    }
  }
}

TEST(Compute, EveryWindowsWorkedExamplesOnAClick) {
  Program program;
  for (const Examples& e : WorkedExamples()) {
    program.GoTo(e.form);
    for (const auto& [typed, shown] : {std::pair{&e.typed_a, &e.shown_a}, std::pair{&e.typed_b, &e.shown_b}}) {
      SCOPED_TRACE("Form" + std::to_string(e.form) + " typed " + std::string(typed->front().second));
      program.Type(e.form, *typed);
      EXPECT_EQ(program.Click(e.form, "Command1"), nullptr) << "a message box opened";
      ExpectTexts(program, e.form, *shown);
    }
  }
}

// Enter in each text box of each window computes: the examples alternate,
// so that every Enter changes what the window shows.
TEST(Compute, EnterInEveryTextBoxComputes) {
  Program program;
  for (const Examples& e : WorkedExamples()) {
    program.GoTo(e.form);
    HWND window = program.Window(e.form);
    bool use_a = true;
    for (const ControlLayout& row : LayoutOf(e.form).controls) {
      if (row.kind != ControlKind::TextBox) continue;
      SCOPED_TRACE("Enter in Form" + std::to_string(e.form) + " " + std::string(row.name));
      const Texts& typed = use_a ? e.typed_a : e.typed_b;
      const Texts& shown = use_a ? e.shown_a : e.shown_b;
      use_a = !use_a;
      program.Type(e.form, typed);
      const std::vector<std::string> before = TextsOf(program, e.form, shown);
      const bool changed = program.PressEnter(program.Control(e.form, row.name), [&] {
        return TextsOf(program, e.form, shown) != before || program.FindMessageBox(window) != nullptr;
      });
      ASSERT_TRUE(changed) << "nothing changed within " << kAnswerMs / 1000 << " s";
      program.Sync(window);
      ASSERT_EQ(program.FindMessageBox(window), nullptr);
      ExpectTexts(program, e.form, shown);
    }
  }
}

struct PromptCase {
  int form;
  Texts typed;
  std::string_view message;
  Texts cleaned;  // inputs as the window shows them once the prompt has closed
  Dismiss dismiss;
};

TEST(Prompt, AnEmptyRequiredBoxShowsItsPromptAndNothingIsWritten) {
  const std::vector<PromptCase> cases = {
      {1, {{"Text1", ""}, {"Text2", "1.50"}}, "请输入昨天收盘价！", {{"Text1", ""}}, Dismiss::Enter},
      {1, {{"Text1", "10"}, {"Text2", "%"}}, "请输入涨跌幅！", {{"Text2", ""}}, Dismiss::Escape},
      {2, {{"Text1", "5"}, {"Text2", "元"}}, "请输入最低价！", {{"Text2", ""}}, Dismiss::ClickOk},
      {3, {{"Text1", "元"}}, "请输入昨天收盘价！", {{"Text1", ""}}, Dismiss::Enter},
      {4, {{"Text1", "1"}, {"Text2", "%"}}, "请输入利润！", {{"Text2", ""}}, Dismiss::Escape},
      {5, {{"Text1", "1"}, {"Text2", ""}}, "请输入股票数量！", {}, Dismiss::ClickOk},
      {6,
       {{"Text1", "元"}, {"Text2", "1,5股"}, {"Text3", "1"}, {"Text4", "1"}},
       "请输入买入价格！",
       {{"Text1", ""}, {"Text2", "1.5"}},
       Dismiss::Enter},
      {7, {{"Text1", "10"}, {"Text2", "个"}, {"Text5", "10"}}, "请输入连板数量！", {{"Text2", ""}}, Dismiss::Escape},
      {8, {{"Text1", ""}, {"Text2", "3"}, {"Text4", "5"}, {"Text6", "8"}}, "请输入昨天收盘价！", {}, Dismiss::ClickOk},
      {9, {{"Text1", "1"}, {"Text2", ""}}, "请输入除数！", {}, Dismiss::Enter},
  };
  Program program;
  for (const PromptCase& c : cases) {
    SCOPED_TRACE("Form" + std::to_string(c.form) + " " + std::string(c.message));
    program.GoTo(c.form);
    HWND window = program.Window(c.form);
    program.Type(c.form, c.typed);
    const std::vector<std::string> outputs = OutputTexts(program, c.form);
    HWND box = program.Click(c.form, "Command1");
    ASSERT_NE(box, nullptr) << "no message box";
    const MessageBoxSeen seen = program.ReadMessageBox(box);
    EXPECT_EQ(seen.caption, "鼎衡股票计算器");
    EXPECT_EQ(seen.texts, std::vector<std::string>{std::string(c.message)});
    EXPECT_EQ(seen.buttons, (std::vector<std::pair<int, std::string>>{{IDOK, "确定"}}));
    EXPECT_FALSE(seen.icon);
    EXPECT_FALSE(IsWindowEnabled(window)) << "the window under the box takes clicks";
    program.Dismiss(box, c.dismiss);
    EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_EQ(program.FindMessageBox(window), nullptr);
    EXPECT_EQ(OutputTexts(program, c.form), outputs);
    ExpectTexts(program, c.form, c.cleaned);
  }
}

struct ClearCase {
  int form;
  Texts typed;
  Texts shown;  // after computing, then clearing
};

TEST(Clear, EachClearButtonEmptiesItsBoxesAndKeepsTheResults) {
  const std::vector<ClearCase> cases = {
      {2, {{"Text1", "10.5"}, {"Text2", "10"}}, {{"Text1", ""}, {"Text2", ""}, {"Text3", "5.00"}, {"Label8", "0.50元"}}},
      {3,
       {{"Text1", "10"}},
       {{"Text1", ""}, {"Text2", "11.00"}, {"Text3", "9.00"}, {"Label8", "1.00元"}, {"Label10", "-1.00元"}}},
      {4, {{"Text1", "10"}, {"Text2", "5%"}}, {{"Text1", ""}, {"Text2", "5"}, {"Text3", "15.00"}}},
      {5, {{"Text1", "10"}, {"Text2", "100"}}, {{"Text1", ""}, {"Text2", ""}, {"Text3", "1000.00"}, {"Label9", " 1"}}},
      {6,
       {{"Text1", "12.34"}, {"Text2", "300"}, {"Text3", "11.11"}, {"Text4", "200"}},
       {{"Text1", ""},
        {"Text2", ""},
        {"Text3", ""},
        {"Text4", ""},
        {"Text5", "11.85"},
        {"Label9", "成本：3702"},
        {"Label7", "平均股价：11.85"}}},
      {7,
       {{"Text1", "10"}, {"Text2", "3"}, {"Text5", "10"}},
       {{"Text1", ""}, {"Text2", ""}, {"Text5", "10"}, {"Text3", "13.31"}, {"Label8", "下跌：-2.71 元"}}},
      {8,
       {{"Text1", "10"}, {"Text2", "3"}, {"Text4", "5"}, {"Text6", "8"}},
       {{"Text1", ""}, {"Text2", ""}, {"Text4", ""}, {"Text6", ""}, {"Text3", "9.70"}, {"Label17", "-0.80"}}},
      {9, {{"Text1", "100"}, {"Text2", "3"}}, {{"Text1", ""}, {"Text2", ""}, {"Text3", "33.33"}}},
  };
  Program program;
  for (const ClearCase& c : cases) {
    SCOPED_TRACE("Form" + std::to_string(c.form));
    program.GoTo(c.form);
    program.Type(c.form, c.typed);
    ASSERT_EQ(program.Click(c.form, "Command1"), nullptr);
    ASSERT_EQ(program.Click(c.form, "Command2"), nullptr);
    ExpectTexts(program, c.form, c.shown);
  }
}

TEST(Switch, EverySwitchButtonShowsItsTargetWhereTheSourceStood) {
  Program program;
  int tried = 0;
  for (const SwitchButton& entry : SwitchTable()) {
    SCOPED_TRACE("Form" + std::to_string(entry.from) + " " + std::string(entry.button));
    program.GoTo(entry.from);
    HWND source = program.Window(entry.from);
    const POINT where{40 + 7 * tried, 30 + 5 * tried};  // as if the user had dragged it there
    SetWindowPos(source, nullptr, where.x, where.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    program.Sync(source);
    ASSERT_EQ(program.Click(entry.from, entry.button), nullptr);
    ASSERT_EQ(program.ShownForm(), entry.to) << "0: not exactly one window shows";
    const POINT target = Program::ScreenTopLeft(program.Window(entry.to));
    EXPECT_EQ(target.x, where.x);
    EXPECT_EQ(target.y, where.y);
    ++tried;
  }
  EXPECT_EQ(tried, 22);
}

TEST(Close, ClosingTheShownWindowEndsTheProgram) {
  for (int form = 1; form <= kFormCount; ++form) {
    SCOPED_TRACE("Form" + std::to_string(form));
    Program program;
    program.GoTo(form);
    EXPECT_EQ(program.CloseAndWait(program.Window(form), kAnswerMs), std::optional<DWORD>(0))
        << "still running " << kAnswerMs / 1000 << " s after WM_CLOSE, or a failing exit code";
  }
}

}  // namespace
}  // namespace stockcalc::win32test
