// The odds reading: the numbers of one portfolio item reduced to one odds digit, and
// the two-part report text.
#pragma once
#include <string>

#include "quorvex/portfolio_item.h"

namespace quorvex {

// Name values of the texts (empty optional texts count nothing) plus every number.
int OddsTotal(const PortfolioItem& item);

// Totals above a thousand and below 15000 keep their last two digits (00 counts as 1);
// other totals stay as they are.
int StripTotal(int total);

// The digit behind both odds lines for an item's total and its action.
int OddsDigit(int total, const std::string& action);

const char* NumerologyOddsLine(int digit);
const char* AstrologyOddsLine(int digit);

std::string OddsText(const PortfolioItem& item);

}  // namespace quorvex
