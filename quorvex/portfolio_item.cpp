#include "quorvex/portfolio_item.h"

#include <algorithm>
#include <vector>

#include "shell/files.h"
#include "shell/bounded_read.h"
#include "shell/utf8_text.h"

namespace quorvex {

namespace {

const char* const kTypes[] = {"Bond", "Stock", "Mutual Fund"};
const char* const kExchanges[] = {"New York", "American", "Nasdaq", "Foreign"};
const char* const kStatuses[] = {"Single", "Married", "Divorced", "Widowed"};
const char* const kAccounts[] = {"Regular", "Retirement", "Trust"};
const char* const kActions[] = {"Buy", "Sell"};

constexpr std::size_t kItemLines = 16;
// The reader takes a number line of at most 100 bytes and a text line of at most 99,
// up to its line feed; the fields' typing limits play no part in reading.
constexpr std::size_t kItemLineBytes = 100;
constexpr std::size_t kTextBytes = 99;

class Reader {
public:
    explicit Reader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    void text(std::string& value)
    {
        value = has() ? shell::cutToBytes(lines_[next_], kTextBytes) : std::string();
        ++next_;
    }
    void choice(std::string& value, std::span<const char* const> choices)
    {
        const std::string line = has() ? lines_[next_] : std::string();
        ++next_;
        const bool known = std::any_of(choices.begin(), choices.end(), [&](const char* c) { return line == c; });
        value = known ? line : std::string();
    }
    void number(int& value, int low, int high, int start)
    {
        const int n = has() ? shell::settingsInt(lines_[next_], start) : start;
        ++next_;
        value = n >= low && n <= high ? n : start;
    }

private:
    bool has() const { return next_ < lines_.size(); }
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

}  // namespace

std::span<const char* const> securityTypes()
{
    return kTypes;
}
std::span<const char* const> exchanges()
{
    return kExchanges;
}
std::span<const char* const> statuses()
{
    return kStatuses;
}
std::span<const char* const> accountTypes()
{
    return kAccounts;
}
std::span<const char* const> actions()
{
    return kActions;
}

std::string ItemFileText(const PortfolioItem& item)
{
    std::string text;
    auto line = [&text](const std::string& value) { text += shell::oneLine(value) + "\n"; };
    auto number = [&line](int value) { line(std::to_string(value)); };
    line(item.security);
    line(item.type);
    line(item.exchange);
    number(item.price);
    number(item.shares);
    line(item.investor);
    number(item.birthday.month);
    number(item.birthday.day);
    number(item.birthday.year);
    line(item.status);
    line(item.account);
    line(item.broker);
    line(item.action);
    number(item.selected.month);
    number(item.selected.day);
    text += std::to_string(item.selected.year);
    return text;
}

bool LoadItemFile(const std::string& path, const numerology::Date& today, PortfolioItem& item)
{
    auto lines = shell::readFileLines(path, kItemLines);
    if (!lines)
        return false;
    Reader r(std::move(*lines));
    r.text(item.security);
    r.choice(item.type, kTypes);
    r.choice(item.exchange, kExchanges);
    r.number(item.price, kLowestPrice, kHighestPrice, 1);
    r.number(item.shares, kFewestShares, kMostShares, 100);
    r.text(item.investor);
    r.number(item.birthday.month, 1, 12, 1);
    r.number(item.birthday.day, 1, 31, 1);
    r.number(item.birthday.year, kFirstYear, kLastYear, kFirstYear);
    r.choice(item.status, kStatuses);
    r.choice(item.account, kAccounts);
    r.text(item.broker);
    r.choice(item.action, kActions);
    r.number(item.selected.month, 1, 12, today.month);
    r.number(item.selected.day, 1, 31, today.day);
    r.number(item.selected.year, kFirstYear, kLastYear, today.year);
    return true;
}

}  // namespace quorvex
