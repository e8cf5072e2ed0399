// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/fees/trade_costs.h"

#include <algorithm>

namespace stockcalc {
namespace {

Int128 Fee(Int128 amount, Int128 rate, const TradeRates& rates) {
  return DivideRounded(amount * rate, rates.denominator);
}

Int128 Commission(Int128 amount, const TradeRates& rates) {
  if (amount <= 0) return 0;
  return std::max(Fee(amount, rates.commission, rates), rates.minimum_commission);
}

// The sale's net income before rounding, times the denominator. It never
// falls as the amount grows while the sale's rates add up to less than 100 %.
Int128 UnroundedNetIncome(Int128 amount, const TradeRates& rates) {
  const Int128 commission = std::max(rates.minimum_commission * rates.denominator, amount * rates.commission);
  return amount * rates.denominator - commission - amount * (rates.stamp_duty + rates.transfer_fee);
}

}  // namespace

TradeRates RatesFromPercentages(const ExactDecimal& commission, const ExactDecimal& stamp_duty,
                                const ExactDecimal& transfer_fee, Int128 minimum_commission) {
  const int scale = std::max({commission.scale, stamp_duty.scale, transfer_fee.scale});
  const auto over_common = [scale](const ExactDecimal& rate) {
    return rate.digits * PowerOfTen(scale - rate.scale);
  };
  return {.commission = over_common(commission),
          .stamp_duty = over_common(stamp_duty),
          .transfer_fee = over_common(transfer_fee),
          .denominator = 100 * PowerOfTen(scale),
          .minimum_commission = minimum_commission};
}

BuyCosts Buy(Int128 price, Int128 shares, const TradeRates& rates) {
  BuyCosts buy;
  buy.amount = price * shares;
  buy.commission = Commission(buy.amount, rates);
  buy.transfer_fee = Fee(buy.amount, rates.transfer_fee, rates);
  buy.fees = buy.commission + buy.transfer_fee;
  buy.total_cost = buy.amount + buy.fees;
  return buy;
}

SaleProceeds Sell(Int128 price, Int128 shares, const TradeRates& rates) {
  SaleProceeds sale;
  sale.amount = price * shares;
  sale.commission = Commission(sale.amount, rates);
  sale.stamp_duty = Fee(sale.amount, rates.stamp_duty, rates);
  sale.transfer_fee = Fee(sale.amount, rates.transfer_fee, rates);
  sale.fees = sale.commission + sale.stamp_duty + sale.transfer_fee;
  sale.net_income = sale.amount - sale.fees;
  return sale;
}

std::optional<Int128> BreakEvenPrice(Int128 shares, Int128 total_cost, const TradeRates& rates) {
  if (shares <= 0 || rates.commission + rates.stamp_duty + rates.transfer_fee >= rates.denominator)
    return std::nullopt;
  // Rounding moves each of the three fees by at most half a cent, so the net
  // income is within 1.5 cents of the unrounded one. Below `low` no price
  // can break even; from `sure` on every price does.
  const auto at_least = [&](Int128 price, Int128 twice_target) {
    return 2 * UnroundedNetIncome(price * shares, rates) >= twice_target * rates.denominator;
  };
  const Int128 could = 2 * total_cost - 3;
  const Int128 sure = 2 * total_cost + 3;

  Int128 high = 1;
  while (!at_least(high, sure)) {
    if (high > kHighestBreakEvenPrice) return std::nullopt;
    high *= 2;
  }
  Int128 low = 1;  // the lowest price that could break even, by halving
  for (Int128 top = high; low < top;) {
    const Int128 middle = low + (top - low) / 2;
    if (at_least(middle, could)) {
      top = middle;
    } else {
      low = middle + 1;
    }
  }
  // A few cents at most, with the fees rounded as they are charged.
  Int128 price = low;
  while (Sell(price, shares, rates).net_income < total_cost) ++price;
  if (price > kHighestBreakEvenPrice) return std::nullopt;
  return price;
}

Int128 PercentHundredths(Int128 part, Int128 whole) { return DivideRounded(part * 10000, whole); }

}  // namespace stockcalc
