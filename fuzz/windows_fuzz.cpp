// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the nine toolkit-free windows with any sequence of typed texts and
// clicks, and checks after every click that each output either kept its text
// or holds exactly the form its window writes, that each input box holds
// what was typed or its cleaned (or the window's rewritten) form, that a
// message changed no output, and that nothing shows inf, nan or -0.00.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "calc/arith/form4.h"
#include "calc/forms.h"
#include "calc/position/form6.h"
#include "fields/clean_field.h"
#include "fuzz_text.h"

namespace {

using namespace stockcalc;

const std::string kAmount = "-?[0-9]+\\.[0-9]{2}";
const std::string kNumberText = "-?([0-9]+(\\.[0-9]*[1-9])?|[1-9](\\.[0-9]*[1-9])?E[-+][0-9]{2,3})";

struct Input {
  UnitList units;
  std::string rewritten;  // the form the window may rewrite the box into, or empty
};

struct Window {
  std::map<std::string, Input> inputs;
  std::map<std::string, std::string> outputs;  // control -> the only form it may be written in
};

// Compiled once: compiling a regex costs far more than matching it.
bool Matches(const std::string& text, const std::string& pattern) {
  static std::map<std::string, std::regex> compiled;
  auto it = compiled.find(pattern);
  if (it == compiled.end()) it = compiled.emplace(pattern, std::regex(pattern)).first;
  return std::regex_match(text, it->second);
}

const std::vector<Window>& Windows() {
  static const std::vector<Window> windows = {
      {{{"Text1", {units::kYuan}}, {"Text2", {units::kYuanPercent}}},
       {{"Text3", kAmount}, {"Label7", kAmount + "元"}, {"Label8", kAmount}, {"Label9", kAmount + "元"}}},
      {{{"Text1", {units::kYuan}}, {"Text2", {units::kYuanPercent}}},
       {{"Text3", kAmount}, {"Label8", kAmount + "元"}}},
      {{{"Text1", {units::kYuan}}},
       {{"Text2", kAmount}, {"Text3", kAmount}, {"Label8", kAmount + "元"}, {"Label10", kAmount + "元"}}},
      {{{"Text1", {units::kYuan}}, {"Text2", {units::kYuanPercent}}}, {{"Text3", kAmount}}},
      {{{"Text1", {units::kYuan}}, {"Text2", {units::kYuanPercent}}},
       {{"Text3", kAmount}, {"Label9", " -?[0-9]+"}}},
      {{{"Text1", {units::kYuan, kAmount}},
        {"Text2", {units::kShares, kNumberText}},
        {"Text3", {units::kYuan, kAmount}},
        {"Text4", {units::kShares, kNumberText}}},
       {{"Label9", "成本：" + kNumberText},
        {"Label14", "成本：" + kNumberText},
        {"Label13", "总成本：" + kNumberText},
        {"Label15", "总股数：" + kNumberText},
        {"Text5", kAmount},
        {"Label7", "平均股价：" + kAmount}}},
      {{{"Text1", {units::kYuan, kAmount}},
        {"Text2", {units::kPieces, kNumberText}},
        {"Text5", {units::kPercent}}},
       {{"Text3", kAmount},
        {"Text4", kAmount},
        {"Label7", "上涨：" + kAmount + "元"},
        {"Label8", "下跌：" + kAmount + " 元"}}},
      {{{"Text1", {units::kYuan}},
        {"Text2", {units::kYuanPercent}},
        {"Text4", {units::kYuanPercent}},
        {"Text6", {units::kYuanPercent}}},
       {{"Text3", kAmount},
        {"Text5", kAmount},
        {"Text7", kAmount},
        {"Label15", kAmount},
        {"Label16", kAmount},
        {"Label17", kAmount}}},
      {{{"Text1", {units::kYuan}}, {"Text2", {units::kYuanPercent}}}, {{"Text3", kAmount}}},
  };
  return windows;
}

struct Recorder : Prompter {
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  std::vector<std::string> messages;
};

[[noreturn]] void Fail(const char* what, int form, const std::string& control, const std::string& text) {
  std::fprintf(stderr, "Form%d %s: %s [%s]\n", form, control.c_str(), what, text.c_str());
  std::abort();
}

std::string Cleaned(const std::string& typed, UnitList units) {
  TextControl box(ControlKind::TextBox, typed);
  CleanNumberField(box, units);
  return box.Text();
}

class Session {
 public:
  Session() {
    for (int n = 1; n <= kFormCount; ++n) {
      forms_.push_back(CreateForm(n, recorder_));
      forms_.back()->Form_Load();
    }
    typed_.resize(kFormCount);
  }

  void Type(int form, std::size_t box, const std::string& text) {
    const Window& window = Windows()[static_cast<std::size_t>(form - 1)];
    auto it = window.inputs.begin();
    std::advance(it, static_cast<long>(box % window.inputs.size()));
    forms_[static_cast<std::size_t>(form - 1)]->Control(it->first).SetText(text);
    typed_[static_cast<std::size_t>(form - 1)][it->first] = text;
  }

  void Click(int form, const char* button) {
    Form& f = *forms_[static_cast<std::size_t>(form - 1)];
    const Window& window = Windows()[static_cast<std::size_t>(form - 1)];
    std::map<std::string, std::string> before;
    for (std::size_t i = 0; i < f.Layout().controls.size(); ++i) {
      before[std::string(f.Layout().controls[i].name)] = f.Controls()[i].Text();
    }
    recorder_.messages.clear();
    f.Click(button);

    const bool message = !recorder_.messages.empty();
    const bool zero_shares = message && recorder_.messages.back() == Form6::kZeroSharesMessage;
    for (std::size_t i = 0; i < f.Layout().controls.size(); ++i) {
      const std::string name(f.Layout().controls[i].name);
      const std::string& now = f.Controls()[i].Text();
      if (now == before[name]) continue;
      if (auto in = window.inputs.find(name); in != window.inputs.end()) {
        const auto typed = typed_[static_cast<std::size_t>(form - 1)].find(name);
        const std::string original =
            typed == typed_[static_cast<std::size_t>(form - 1)].end() ? before[name] : typed->second;
        const bool cleared = now.empty() && std::string(button) == "Command2";
        const bool ok = cleared || now == original || now == Cleaned(original, in->second.units) ||
                        (!in->second.rewritten.empty() && Matches(now, in->second.rewritten));
        if (!ok) Fail("input box lost what was typed", form, name, now);
        continue;
      }
      const auto out = window.outputs.find(name);
      if (out == window.outputs.end()) Fail("a fixed caption changed", form, name, now);
      if (message && !(zero_shares && name != "Text5" && name != "Label7"))
        Fail("written despite a message", form, name, now);
      if (!Matches(now, out->second)) Fail("output not in its form", form, name, now);
      for (const char* bad : {"inf", "nan", "-0.00"}) {
        if (now.find(bad) != std::string::npos) Fail("shows a value that is not one", form, name, now);
      }
      if (now == " -0") Fail("shows minus zero lots", form, name, now);
    }
  }

 private:
  Recorder recorder_;
  std::vector<std::unique_ptr<Form>> forms_;
  std::vector<std::map<std::string, std::string>> typed_;
};

}  // namespace

// Input: a sequence of operations. Each starts with a byte: its low two bits
// choose the operation (type, compute, clear, change window), the rest an
// argument. Typing takes a length byte and that many bytes of text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session session;
  int form = 1;
  std::size_t i = 0;
  while (i < size) {
    const std::uint8_t op = data[i++];
    switch (op & 3U) {
      case 0: {
        if (i >= size) return 0;
        const std::size_t len = std::min<std::size_t>(data[i], size - i - 1);
        ++i;
        session.Type(form, op >> 2, stockcalc::fuzz::ValidUtf8(data + i, len));
        i += len;
        break;
      }
      case 1: session.Click(form, "Command1"); break;
      case 2: session.Click(form, "Command2"); break;
      case 3: form = 1 + (op >> 2) % kFormCount; break;
    }
  }
  return 0;
}
