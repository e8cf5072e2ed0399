// SPDX-License-Identifier: GPL-3.0-or-later
// Types any texts into the trading-costs window's seven boxes (one line of
// the input each), computes and clears. It never crashes or overflows, and
// whenever the compute shows no message its texts obey the laws of trading
// costs, worked out here from the texts alone with a model of its own in
// whole cents (nothing of the program's fee code is called):
//   - each amount is price x shares;
//   - each fee is the amount x its rate to the cent, a half going up, the
//     commission at least the minimum; the fees, the total cost, the net
//     income and the profit add up;
//   - the break-even price does not lose and one cent less does, or the
//     window says it cannot break even and the sale's rates reach 100 % or
//     even the highest price looked for loses;
//   - each percentage is its amount over the buy's total cost (the profit)
//     or over the buy price (the rise to break even), to the hundredth, a
//     half away from zero.
// With a message, no result line changed and no rate was remembered. A
// clear empties the three trade boxes and nothing else.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/fees/form10.h"
#include "fields/clean_field.h"
#include "fuzz_text.h"
#include "number_forms.h"

namespace {

using namespace stockcalc;

__extension__ using Int = __int128;

// Rates are per cent with up to 8 decimals: counted in 10^-8 %, 100 % is 10^10.
constexpr Int kWholeRate = 10'000'000'000;
constexpr Int kHighestPrice = 100'000'000'000;         // cents: the window refuses more
constexpr Int kHighestShares = 10'000'000'000;         // likewise
constexpr Int kHighestBreakEven = 10'000'000'000'000;  // cents: the highest price looked for

struct Recorder : Prompter {
  void ShowMessage(std::string_view /*text*/) override { ++shown; }
  int shown = 0;
};

struct Memory : SettingsStore {
  [[nodiscard]] std::optional<std::string> Read(std::string_view /*key*/) const override {
    return std::nullopt;
  }
  void Write(std::string_view key, std::string_view value) override { written[std::string(key)] = value; }
  std::map<std::string, std::string> written;
};

[[noreturn]] void Fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "fees: %s [%s]\n", what, text.c_str());
  std::abort();
}

// A plain decimal as the rate and minimum boxes take one: blanks (space,
// tab) around it, a sign, digits with at most one ".", at least one digit,
// at most 30 digits and at most `places` decimals. Its value times 10^places.
std::optional<Int> Scaled(std::string_view text, int places) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  Int value = 0;
  int digits = 0;
  int decimals = -1;  // none before the point
  for (const char c : text) {
    if (c == '.' && decimals < 0) {
      decimals = 0;
    } else if (c >= '0' && c <= '9' && ++digits <= 30) {
      value = value * 10 + (c - '0');
      if (decimals >= 0) ++decimals;
    } else {
      return std::nullopt;
    }
  }
  decimals = decimals < 0 ? 0 : decimals;
  if (digits == 0 || decimals > places) return std::nullopt;
  for (int i = decimals; i < places; ++i) value *= 10;
  return negative ? -value : value;
}

// numerator / denominator (positive) to the nearest whole, a half away from zero.
Int Nearest(Int numerator, Int denominator) {
  const Int magnitude = numerator < 0 ? -numerator : numerator;
  const Int quotient = magnitude / denominator + (2 * (magnitude % denominator) >= denominator ? 1 : 0);
  return numerator < 0 ? -quotient : quotient;
}

// The numbers of a text made of fixed pieces with a "0.00" amount between
// each two: {"盈亏：", "元（", "%）"} reads "盈亏：12.50元（1.25%）" as 1250, 125.
std::vector<Int> Amounts(const std::string& text, std::initializer_list<std::string_view> pieces,
                         const char* line) {
  std::vector<Int> amounts;
  std::string_view rest = text;
  bool first = true;
  for (const std::string_view piece : pieces) {
    if (!first) {
      const std::size_t end = rest.find_first_not_of("-0123456789.");
      const std::string_view number = rest.substr(0, end);
      if (fuzz::MatchNumber(number, fuzz::Number::Amount) != fuzz::Verdict::Fits) Fail(line, text);
      Int cents = 0;
      for (const char c : number) {
        if (c >= '0' && c <= '9') cents = cents * 10 + (c - '0');
      }
      amounts.push_back(number.front() == '-' ? -cents : cents);
      rest.remove_prefix(number.size());
    }
    first = false;
    if (!rest.starts_with(piece)) Fail(line, text);
    rest.remove_prefix(piece.size());
  }
  if (!rest.empty()) Fail(line, text);
  return amounts;
}

Int Amount(const std::string& text, std::string_view prefix, std::string_view suffix, const char* line) {
  return Amounts(text, {prefix, suffix}, line)[0];
}

// The broker's terms as the boxes give them, in the model's units.
struct Terms {
  Int commission = 0, stamp_duty = 0, transfer_fee = 0;  // 10^-8 %
  Int minimum = 0;                                       // cents
  Int shares = 0;

  [[nodiscard]] Int Fee(Int amount, Int rate) const {
    return (2 * amount * rate + kWholeRate) / (2 * kWholeRate);
  }
  [[nodiscard]] Int Commission(Int amount) const {
    if (amount <= 0) return 0;
    const Int fee = Fee(amount, commission);
    return fee < minimum ? minimum : fee;
  }
  [[nodiscard]] Int NetIncome(Int price) const {
    const Int amount = price * shares;
    return amount - Commission(amount) - Fee(amount, stamp_duty) - Fee(amount, transfer_fee);
  }
};

Int Rate(const std::string& text) {
  const auto rate = Scaled(text, 8);
  if (!rate || *rate < 0 || *rate > kWholeRate)
    Fail("a rate taken that is not 0 to 100 with 8 decimals", text);
  return *rate;
}

void CheckResults(Form10& form, const Memory& memory) {
  const auto text = [&form](const char* name) -> const std::string& { return form.Control(name).Text(); };
  Terms terms;
  terms.commission = Rate(text("Text4"));
  terms.stamp_duty = Rate(text("Text6"));
  terms.transfer_fee = Rate(text("Text7"));
  const auto minimum = Scaled(text("Text5"), 2);
  if (!minimum || *minimum < 0 || *minimum > kHighestPrice) Fail("a minimum commission taken", text("Text5"));
  terms.minimum = *minimum;
  static constexpr std::pair<const char*, const char*> kRemembered[] = {{"Text4", "fees/commission_rate"},
                                                                        {"Text5", "fees/minimum_commission"},
                                                                        {"Text6", "fees/stamp_duty_rate"},
                                                                        {"Text7", "fees/transfer_fee_rate"}};
  for (const auto& [box, key] : kRemembered) {
    const auto stored = memory.written.find(key);
    if (stored == memory.written.end() || stored->second != text(box))
      Fail("a rate not remembered as used", text(box));
  }
  if (memory.written.size() != std::size(kRemembered)) Fail("more remembered than the rates", "");

  const Int price = Amount(text("Text1"), "", "", "buy price not in 0.00 form");
  if (price <= 0 || price > kHighestPrice) Fail("buy price out of range", text("Text1"));
  if (fuzz::MatchNumber(text("Text2"), fuzz::Number::Whole) != fuzz::Verdict::Fits)
    Fail("shares not a whole number", text("Text2"));
  for (const char c : text("Text2")) terms.shares = terms.shares * 10 + (c - '0');
  if (terms.shares <= 0 || terms.shares > kHighestShares) Fail("shares out of range", text("Text2"));

  const Int amount = price * terms.shares;
  const Int commission = terms.Commission(amount);
  const Int transfer_fee = terms.Fee(amount, terms.transfer_fee);
  if (Amount(text("Label16"), "买入金额：", "元", "buy amount line") != amount)
    Fail("buy amount is not price x shares", text("Label16"));
  const auto buy_fees = Amounts(text("Label18"), {"买入：佣金", " + 过户费", ""}, "buy fees line");
  if (buy_fees[0] != commission) Fail("buy commission", text("Label18"));
  if (buy_fees[1] != transfer_fee) Fail("buy transfer fee", text("Label18"));
  const Int fees = Amount(text("Label17"), "买入费用：", "元", "buy fees sum line");
  if (fees != commission + transfer_fee) Fail("buy fees do not add up", text("Label17"));
  const Int total_cost = Amount(text("Label19"), "总成本：", "元", "total cost line");
  if (total_cost != amount + fees) Fail("total cost does not add up", text("Label19"));

  if (text("Text3").empty()) {
    for (const char* line : {"Label20", "Label21", "Label22", "Label23", "Label24"}) {
      for (const ControlLayout& control : Form10::kLayout.controls) {
        if (control.name == line && text(line) != control.text)
          Fail("a sale line without a sale", text(line));
      }
    }
  } else {
    const Int sell_price = Amount(text("Text3"), "", "", "sell price not in 0.00 form");
    if (sell_price <= 0 || sell_price > kHighestPrice) Fail("sell price out of range", text("Text3"));
    const Int sale = sell_price * terms.shares;
    if (Amount(text("Label20"), "卖出金额：", "元", "sale amount line") != sale)
      Fail("sale amount is not price x shares", text("Label20"));
    const auto parts =
        Amounts(text("Label22"), {"卖出：佣金", " + 印花税", " + 过户费", ""}, "sale fees line");
    if (parts[0] != terms.Commission(sale)) Fail("sale commission", text("Label22"));
    if (parts[1] != terms.Fee(sale, terms.stamp_duty)) Fail("stamp duty", text("Label22"));
    if (parts[2] != terms.Fee(sale, terms.transfer_fee)) Fail("sale transfer fee", text("Label22"));
    const Int sale_fees = Amount(text("Label21"), "卖出费用：", "元", "sale fees sum line");
    if (sale_fees != parts[0] + parts[1] + parts[2]) Fail("sale fees do not add up", text("Label21"));
    const Int net = Amount(text("Label23"), "净收入：", "元", "net income line");
    if (net != sale - sale_fees) Fail("net income does not add up", text("Label23"));
    const auto profit = Amounts(text("Label24"), {"盈亏：", "元（", "%）"}, "profit line");
    if (profit[0] != net - total_cost) Fail("profit does not add up", text("Label24"));
    if (profit[1] != Nearest(profit[0] * 10000, total_cost))
      Fail("profit per cent is not profit / total cost", text("Label24"));
  }

  const std::string& break_even = text("Label25");
  if (break_even == "保本价：卖出费用过高，无法保本") {
    const bool hopeless = terms.commission + terms.stamp_duty + terms.transfer_fee >= kWholeRate ||
                          terms.NetIncome(kHighestBreakEven) < total_cost;
    if (!hopeless) Fail("no break-even price although the highest price does not lose", break_even);
  } else {
    const auto found = Amounts(break_even, {"保本价：", "元（需涨", "%）"}, "break-even line");
    const Int level = found[0];
    if (level <= 0 || level > kHighestBreakEven) Fail("break-even price out of range", break_even);
    if (terms.NetIncome(level) < total_cost) Fail("selling at the break-even price loses", break_even);
    if (terms.NetIncome(level - 1) >= total_cost)
      Fail("one cent below the break-even price does not lose", break_even);
    if (found[1] != Nearest((level - price) * 10000, price))
      Fail("rise per cent is not the rise / buy price", break_even);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = fuzz::ValidUtf8(data, size);
  Recorder recorder;
  Memory memory;
  Form10 form(recorder, memory);
  form.Form_Load();
  static constexpr std::array<const char*, 7> kBoxes = {"Text1", "Text2", "Text3", "Text4",
                                                        "Text5", "Text6", "Text7"};
  static constexpr std::array<UnitList, 7> kUnits = {units::kYuan,    units::kShares, units::kYuan,
                                                     units::kPercent, units::kYuan,   units::kPercent,
                                                     units::kPercent};
  std::size_t start = 0;
  for (const char* box : kBoxes) {
    if (start > input.size()) break;
    const std::size_t end = std::min(input.find('\n', start), input.size());
    form.Control(box).SetText(input.substr(start, end - start));
    start = end + 1;
  }
  std::array<std::string, 7> typed;
  for (std::size_t i = 0; i < kBoxes.size(); ++i) typed[i] = form.Control(kBoxes[i]).Text();

  form.Click("Command1");
  // The rate boxes are cleaned and kept as they are; so are the trade boxes
  // unless the window computed, which writes them in its own forms.
  for (std::size_t i = recorder.shown == 0 ? 3 : 0; i < kBoxes.size(); ++i) {
    if (form.Control(kBoxes[i]).Text() != fuzz::Cleaned(typed[i], kUnits[i]))
      Fail("a box is not as typed and cleaned", form.Control(kBoxes[i]).Text());
  }
  if (recorder.shown == 0) {
    CheckResults(form, memory);
  } else {
    for (std::size_t i = 0; i < Form10::kLayout.controls.size(); ++i) {
      if (form.Controls()[i].Text() != Form10::kLayout.controls[i].text &&
          Form10::kLayout.controls[i].kind == ControlKind::Label)
        Fail("a result line written despite a message", form.Controls()[i].Text());
    }
    if (!memory.written.empty()) Fail("rates remembered despite a message", memory.written.begin()->second);
  }

  std::vector<std::string> before;
  for (const TextControl& control : form.Controls()) before.push_back(control.Text());
  form.Click("Command2");
  for (std::size_t i = 0; i < before.size(); ++i) {
    const std::string_view name = Form10::kLayout.controls[i].name;
    const bool trade_box = name == "Text1" || name == "Text2" || name == "Text3";
    if (form.Controls()[i].Text() != (trade_box ? std::string() : before[i]))
      Fail("a clear did other than empty the trade boxes", form.Controls()[i].Text());
  }
  return 0;
}
