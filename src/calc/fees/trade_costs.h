// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "fields/exact_decimal.h"

namespace stockcalc {

// A broker's rates, each an exact fraction of the traded amount: a numerator
// over the one common denominator. Amounts and fees are in cents.
struct TradeRates {
  Int128 commission = 0;    // both sides, at least minimum_commission
  Int128 stamp_duty = 0;    // sales only
  Int128 transfer_fee = 0;  // both sides
  Int128 denominator = 1;
  Int128 minimum_commission = 0;  // cents
};

// The rates from percentages as typed ("0.025" for 0.025 %).
TradeRates RatesFromPercentages(const ExactDecimal& commission, const ExactDecimal& stamp_duty,
                                const ExactDecimal& transfer_fee, Int128 minimum_commission);

struct BuyCosts {
  Int128 amount = 0;
  Int128 commission = 0;
  Int128 transfer_fee = 0;
  Int128 fees = 0;
  Int128 total_cost = 0;
};

struct SaleProceeds {
  Int128 amount = 0;
  Int128 commission = 0;
  Int128 stamp_duty = 0;
  Int128 transfer_fee = 0;
  Int128 fees = 0;
  Int128 net_income = 0;
};

// Each fee is the amount times its rate, to the cent with a half going up;
// the commission is at least the minimum when the amount is above zero.
BuyCosts Buy(Int128 price, Int128 shares, const TradeRates& rates);
SaleProceeds Sell(Int128 price, Int128 shares, const TradeRates& rates);

// The highest break-even price looked for: 100 billion yuan a share.
inline constexpr Int128 kHighestBreakEvenPrice = Int128{10'000'000'000'000};

// The lowest price in whole cents at which selling all the shares brings a
// net income of at least `total_cost`; nothing when no price up to
// kHighestBreakEvenPrice does (the sale's rates add up to 100 % or more, or
// so nearly that the price would be beyond any market's).
std::optional<Int128> BreakEvenPrice(Int128 shares, Int128 total_cost, const TradeRates& rates);

// part / whole in per cent, in hundredths of a per cent, an exact half
// going away from zero. `whole` is positive.
Int128 PercentHundredths(Int128 part, Int128 whole);

}  // namespace stockcalc
