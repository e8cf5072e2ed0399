// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the nine toolkit-free windows with any sequence of typed texts and
// clicks, and checks after every click that each output either kept its text
// or holds exactly the form its window writes, that each input box holds
// what was typed or its cleaned (or the window's rewritten) form, that a
// clear only empties boxes, that a message changed no output, that every
// changed text is marked changed for the widget layer, and that nothing
// shows inf, nan or minus zero.
//
// Speed matters here: a click costs a few microseconds, so the checks may
// not cost much more. The windows are built once and loaded again after
// each input; the number forms are matched by hand; and every text is
// compared with a copy kept from the last step rather than copied anew.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/forms.h"
#include "calc/position/form6.h"
#include "fields/clean_field.h"
#include "fuzz_text.h"
#include "number_forms.h"

namespace {

using namespace stockcalc;
using fuzz::Number;
using fuzz::Shape;

struct InputBox {
  std::string_view name;
  UnitList units;
  std::optional<Number> rewritten;  // the form the window may rewrite the box into
};

struct Output {
  std::string_view name;
  Shape shape;  // the only form it may be written in
};

struct WindowTable {
  std::vector<InputBox> inputs;  // in name order: the fuzz input numbers them so
  std::vector<Output> outputs;
};

constexpr Number kAmount = Number::Amount;
constexpr Number kText = Number::Text;

const std::array<WindowTable, kFormCount>& Tables() {
  static const std::array<WindowTable, kFormCount> tables = {{
      {{{"Text1", units::kYuan}, {"Text2", units::kYuanPercent}},
       {{"Text3", {"", kAmount}},
        {"Label7", {"", kAmount, "元"}},
        {"Label8", {"", kAmount}},
        {"Label9", {"", kAmount, "元"}}}},
      {{{"Text1", units::kYuan}, {"Text2", units::kYuanPercent}},
       {{"Text3", {"", kAmount}}, {"Label8", {"", kAmount, "元"}}}},
      {{{"Text1", units::kYuan}},
       {{"Text2", {"", kAmount}},
        {"Text3", {"", kAmount}},
        {"Label8", {"", kAmount, "元"}},
        {"Label10", {"", kAmount, "元"}}}},
      {{{"Text1", units::kYuan}, {"Text2", units::kYuanPercent}}, {{"Text3", {"", kAmount}}}},
      {{{"Text1", units::kYuan}, {"Text2", units::kYuanPercent}},
       {{"Text3", {"", kAmount}}, {"Label9", {" ", Number::Whole}}}},
      {{{"Text1", units::kYuan, kAmount},
        {"Text2", units::kShares, kText},
        {"Text3", units::kYuan, kAmount},
        {"Text4", units::kShares, kText}},
       {{"Label9", {"成本：", kText}},
        {"Label14", {"成本：", kText}},
        {"Label13", {"总成本：", kText}},
        {"Label15", {"总股数：", kText}},
        {"Text5", {"", kAmount}},
        {"Label7", {"平均股价：", kAmount}}}},
      {{{"Text1", units::kYuan, kAmount}, {"Text2", units::kPieces, kText}, {"Text5", units::kPercent}},
       {{"Text3", {"", kAmount}},
        {"Text4", {"", kAmount}},
        {"Label7", {"上涨：", kAmount, "元"}},
        {"Label8", {"下跌：", kAmount, " 元"}}}},
      {{{"Text1", units::kYuan},
        {"Text2", units::kYuanPercent},
        {"Text4", units::kYuanPercent},
        {"Text6", units::kYuanPercent}},
       {{"Text3", {"", kAmount}},
        {"Text5", {"", kAmount}},
        {"Text7", {"", kAmount}},
        {"Label15", {"", kAmount}},
        {"Label16", {"", kAmount}},
        {"Label17", {"", kAmount}}}},
      {{{"Text1", units::kYuan}, {"Text2", units::kYuanPercent}}, {{"Text3", {"", kAmount}}}},
  }};
  return tables;
}

struct Recorder : Prompter {
  void ShowMessage(std::string_view text) override {
    ++shown;
    zero_shares = text == Form6::kZeroSharesMessage;
  }
  int shown = 0;
  bool zero_shares = false;  // the last message is the average-cost window's
};

[[noreturn]] void Fail(const char* what, int form, std::string_view control, const std::string& text) {
  std::fprintf(stderr, "Form%d %.*s: %s [%s]\n", form, static_cast<int>(control.size()), control.data(), what,
               text.c_str());
  std::abort();
}

// One window with what the checks need of each of its controls.
struct Window {
  enum class Role { Fixed, Input, Output };
  struct Slot {
    Role role = Role::Fixed;
    const InputBox* input = nullptr;
    const Output* output = nullptr;
    std::string last;  // the text after the last step
    std::string typed;
    bool was_typed = false;
  };

  int number = 0;
  std::unique_ptr<Form> form;
  std::vector<Slot> slots;  // by control index
  std::vector<std::size_t> inputs;
  bool used = false;             // since the last load
  std::string_view idle_button;  // clicked last and changed nothing since
};

// Clicks that ran and were checked, over the whole run: a window input is
// a list of operations, so this, more than the inputs, tells how deep a
// run went. Printed as the fuzzer exits.
unsigned long long clicks_checked = 0;

void PrintClicks() { std::fprintf(stderr, "windows_fuzz: %llu clicks checked\n", clicks_checked); }

class Session {
 public:
  Session() {
    std::atexit(PrintClicks);
    for (int n = 1; n <= kFormCount; ++n) {
      Window& w = windows_[static_cast<std::size_t>(n - 1)];
      const WindowTable& table = Tables()[static_cast<std::size_t>(n - 1)];
      w.number = n;
      w.form = CreateForm(n, recorder_);
      w.slots.resize(w.form->Controls().size());
      for (const InputBox& in : table.inputs) {
        const std::size_t i = IndexOf(*w.form, in.name);
        w.slots[i].role = Window::Role::Input;
        w.slots[i].input = &in;
        w.inputs.push_back(i);
      }
      for (const Output& out : table.outputs) {
        const std::size_t i = IndexOf(*w.form, out.name);
        w.slots[i].role = Window::Role::Output;
        w.slots[i].output = &out;
      }
      w.used = true;
      Load(w);
    }
  }

  // Every window as if just created and loaded. A window of the nine keeps
  // nothing but the texts of its controls, so loading it again is that;
  // checked here, text by text, against its layout table.
  void Reset() {
    for (Window& w : windows_) {
      if (w.used) Load(w);
    }
  }

  void Type(int number, std::size_t box, const std::string& text) {
    Window& w = At(number);
    const std::size_t i = w.inputs[box % w.inputs.size()];
    TextControl& control = w.form->Controls()[i];
    control.SetText(text);
    control.MarkShown();
    w.idle_button = {};
    w.slots[i].last = text;
    w.slots[i].typed = text;
    w.slots[i].was_typed = true;
  }

  void Click(int number, std::string_view button) {
    Window& w = At(number);
    // A window's clicks depend on its texts alone (it keeps nothing else), so
    // clicking again a button that changed nothing would change nothing again.
    if (button == w.idle_button) return;
    ++clicks_checked;
    recorder_.shown = 0;
    recorder_.zero_shares = false;
    w.form->Click(button);

    const bool message = recorder_.shown != 0;
    const bool clear = button == "Command2";
    const auto& layout = w.form->Layout().controls;
    auto& controls = w.form->Controls();
    w.idle_button = button;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      Window::Slot& slot = w.slots[i];
      const std::string& now = controls[i].Text();
      const bool marked = controls[i].Changed();
      controls[i].MarkShown();
      if (now == slot.last) continue;
      w.idle_button = {};
      const std::string_view name = layout[i].name;
      if (!marked) Fail("text changed but not marked changed", number, name, now);
      if (slot.role == Window::Role::Fixed) Fail("a fixed caption changed", number, name, now);
      if (clear && !(slot.role == Window::Role::Input && now.empty()))
        Fail("a clear did more than empty boxes", number, name, now);
      if (slot.role == Window::Role::Input) {
        const std::string& original = slot.was_typed ? slot.typed : slot.last;
        const InputBox& in = *slot.input;
        const bool ok = clear || now == original ||
                        (in.rewritten && Fits(now, {"", *in.rewritten}, number, name)) ||
                        now == fuzz::Cleaned(original, in.units);
        if (!ok) Fail("input box lost what was typed", number, name, now);
      } else {
        if (message && !(recorder_.zero_shares && name != "Text5" && name != "Label7"))
          Fail("written despite a message", number, name, now);
        if (!Fits(now, slot.output->shape, number, name)) Fail("output not in its form", number, name, now);
      }
      slot.last = now;
    }
  }

 private:
  static std::size_t IndexOf(const Form& form, std::string_view name) {
    const auto& layout = form.Layout().controls;
    for (std::size_t i = 0; i < layout.size(); ++i) {
      if (layout[i].name == name) return i;
    }
    std::fprintf(stderr, "%.*s has no control %.*s\n", static_cast<int>(form.Layout().class_name.size()),
                 form.Layout().class_name.data(), static_cast<int>(name.size()), name.data());
    std::abort();
  }

  // Also refuses minus zero, which no number form allows.
  static bool Fits(const std::string& text, const Shape& shape, int number, std::string_view name) {
    const auto verdict = fuzz::Match(text, shape);
    if (verdict == fuzz::Verdict::MinusZero) Fail("shows minus zero", number, name, text);
    return verdict == fuzz::Verdict::Fits;
  }

  Window& At(int number) {
    Window& w = windows_[static_cast<std::size_t>(number - 1)];
    w.used = true;
    return w;
  }

  static void Load(Window& w) {
    w.form->Form_Load();
    const auto& layout = w.form->Layout().controls;
    auto& controls = w.form->Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].Text() != layout[i].text)
        Fail("loading again is not a new window", w.number, layout[i].name, controls[i].Text());
      controls[i].MarkShown();
      w.slots[i].last = controls[i].Text();
      w.slots[i].was_typed = false;
    }
    w.used = false;
    w.idle_button = {};
  }

  Recorder recorder_;
  std::array<Window, kFormCount> windows_;
};

}  // namespace

// Input: a sequence of operations. Each starts with a byte: its low two bits
// choose the operation (type, compute, clear, change window), the rest an
// argument. Typing takes a length byte and that many bytes of text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Session session;
  int form = 1;
  std::size_t i = 0;
  while (i < size) {
    const std::uint8_t op = data[i++];
    switch (op & 3U) {
      case 0: {
        if (i >= size) break;
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
  // Loaded again now rather than before the next input: what this input
  // allocated is freed within it, so libFuzzer sees no leak to chase.
  session.Reset();
  return 0;
}
