// One security of the portfolio: the sixteen values of the main window and the text
// file that keeps them, one value a line.
#pragma once
#include <span>
#include <string>

#include "numerology/numerology.h"

namespace quorvex {

// The ranges of the numbers, as the fields accept them.
constexpr int kLowestPrice = 1, kHighestPrice = 300;
constexpr int kFewestShares = 1, kMostShares = 5000;
constexpr int kFirstYear = 1900, kLastYear = 2099;

struct PortfolioItem {
    std::string security;
    std::string type;
    std::string exchange;
    int price = 1;
    int shares = 100;
    std::string investor;
    numerology::Date birthday{1, 1, kFirstYear};
    std::string status;
    std::string account;
    std::string broker;
    std::string action;
    numerology::Date selected;  // today, as the program starts
};

// The choices of the drop-down lists, in list order.
std::span<const char* const> securityTypes();
std::span<const char* const> exchanges();
std::span<const char* const> statuses();
std::span<const char* const> accountTypes();
std::span<const char* const> actions();

// Longest accepted texts, in characters.
constexpr int kNameLength = 80;    // security, investor, broker
constexpr int kChoiceLength = 50;  // type, exchange, status, account
constexpr int kActionLength = 10;

// The file text: texts and numbers one a line, the last number without a line end.
std::string ItemFileText(const PortfolioItem& item);

// Reads an item file tolerantly: missing lines, junk numbers, numbers out of their
// range and list values that are not among the choices give the start values (the
// selected date starts as `today`); a text is kept up to its line feed, at most 99
// bytes. False when the file cannot be opened.
bool LoadItemFile(const std::string& path, const numerology::Date& today, PortfolioItem& item);

}  // namespace quorvex
