#include "quorvex/odds.h"

#include <cstdlib>

namespace quorvex {

int OddsTotal(const PortfolioItem& item)
{
    using numerology::NameValue;
    int total = NameValue(item.security) + NameValue(item.type) + NameValue(item.exchange) + NameValue(item.investor) +
                NameValue(item.status) + NameValue(item.broker) + NameValue(item.account) + NameValue(item.action);
    total += item.birthday.day + item.shares + item.birthday.year + item.birthday.month;
    total += item.selected.year + item.selected.day + item.selected.month + item.price;
    return total;
}

int StripTotal(int total)
{
    if (total < 1001 || total > 14999)
        return total;
    const int r = total % 100;
    return r == 0 ? 1 : r;
}

int OddsDigit(int total, const std::string& action)
{
    int r = StripTotal(total);
    if (action == "Sell")
        r = std::abs(r - 3);
    const int u = r >= 0 && r <= 99 ? r % 9 + 1 : r;
    switch (u) {
    case 3: return 9;
    case 4: return 7;
    case 1: return 5;
    case 2: return 6;
    default: return u;
    }
}

const char* NumerologyOddsLine(int digit)
{
    switch (digit) {
    case 9: return "The odds are: 80 - 100% to be a wise decision.";
    case 8: return "The odds are: 60 - 80% to be a wise decision.";
    case 7: return "The odds are: 40 - 60% to be a wise decision.";
    case 5: return "The odds are: 20 - 40% to be a wise decision.";
    default: return "The odds are: 0 - 20% to be a wise decision.";
    }
}

const char* AstrologyOddsLine(int digit)
{
    switch (digit) {
    case 9: return "The odds are: 90 - 100% to be a wise decision.";
    case 8: return "The odds are: 80 - 90% to be a wise decision.";
    case 7: return "The odds are: 70 - 80% to be a wise decision.";
    case 6: return "The odds are: 60 - 70% to be a wise decision.";
    case 5: return "The odds are: 50 - 60% to be a wise decision.";
    default: return "The odds are: 0 - 10% to be a wise decision.";
    }
}

std::string OddsText(const PortfolioItem& item)
{
    const std::string rule(46, '_');
    const int digit = OddsDigit(OddsTotal(item), item.action);
    const numerology::Date& d = item.selected;
    const std::string actionLine = item.action + " " + item.security + " at $" + std::to_string(item.price) +
                                   " a share on " + std::to_string(d.month) + "-" + std::to_string(d.day) + "-" +
                                   std::to_string(d.year) + "\n\n";
    return "QUORVEX REPORT\n" + rule + "\n\n" + "This reading is based on the Pythagorean Numerology      \n\n" +
           actionLine + NumerologyOddsLine(digit) + "\n\n" + rule + "    \n\n" +
           "This reading is based on the Pythagorean Astrology      \n\n" + actionLine + AstrologyOddsLine(digit) +
           "\n\n" + rule + "\n\n";
}

}  // namespace quorvex
