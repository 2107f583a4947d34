// Quorvex's odds rule and report text, the item file and the portfolio list.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "quorvex/odds.h"
#include "quorvex/portfolio_item.h"
#include "quorvex/portfolio_list.h"
#include "tests/support/temp_path.h"

namespace quorvex_test {

using namespace quorvex;
namespace fs = std::filesystem;

// Names 3 + 35 + 13 + 66 + 48 = 165, numbers 1 + 24 + 1900 + 1 + 2000 + 1 + 1 + 10 = 3938.
PortfolioItem smallSale()
{
    PortfolioItem i;
    i.security = "AB";
    i.type = "Bond";
    i.price = 10;
    i.shares = 24;
    i.investor = "Al";
    i.status = "Single";
    i.action = "Sell";
    i.selected = {1, 1, 2000};
    return i;
}

fs::path scratch(const std::string& name)
{
    const fs::path dir = test_support::tempPath("quorvex_rules_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

const std::string kRule(46, '_');

TEST(QuorvexOdds, TotalAddsNameValuesAndEveryNumber)
{
    PortfolioItem i = smallSale();
    EXPECT_EQ(OddsTotal(i), 4103);
    i.exchange = "Nasdaq";  // 14 + 1 + 19 + 4 + 1 + 17
    i.broker = "Z9";        // 26 + 9
    i.account = "Trust";    // 20 + 18 + 21 + 19 + 20
    EXPECT_EQ(OddsTotal(i), 4103 + 56 + 35 + 98);
}

TEST(QuorvexOdds, StripKeepsTheLastTwoDigitsOnlyBetween1001And14999)
{
    EXPECT_EQ(StripTotal(3000), 1);
    EXPECT_EQ(StripTotal(1001), 1);
    EXPECT_EQ(StripTotal(4679), 79);
    EXPECT_EQ(StripTotal(14999), 99);
    EXPECT_EQ(StripTotal(1000), 1000);
    EXPECT_EQ(StripTotal(15000), 15000);
}

TEST(QuorvexOdds, DigitAfterTheSellShiftAndTheRemap)
{
    EXPECT_EQ(OddsDigit(4103, "Sell"), 5);  // 3 - 3 = 0, 0 % 9 + 1 = 1, remapped to 5
    EXPECT_EQ(OddsDigit(4105, "Buy"), 6);   // 5 % 9 + 1
    EXPECT_EQ(OddsDigit(4101, "Sell"), 9);  // |1 - 3| = 2, 3 becomes 9
    EXPECT_EQ(OddsDigit(4103, "Buy"), 7);   // 4 becomes 7
    EXPECT_EQ(OddsDigit(4107, "Buy"), 8);
    EXPECT_EQ(OddsDigit(4108, "Buy"), 9);
    EXPECT_EQ(OddsDigit(4109, "Buy"), 5);  // 9 % 9 + 1 = 1
    EXPECT_EQ(OddsDigit(4100, "Buy"), 6);  // 00 counts as 1, 1 % 9 + 1 = 2
    EXPECT_EQ(OddsDigit(15000, "Buy"), 15000);
    EXPECT_EQ(OddsDigit(15000, "Sell"), 14997);
}

TEST(QuorvexOdds, LinesOfEveryDigit)
{
    EXPECT_STREQ(NumerologyOddsLine(6), "The odds are: 0 - 20% to be a wise decision.");
    EXPECT_STREQ(AstrologyOddsLine(6), "The odds are: 60 - 70% to be a wise decision.");
    EXPECT_STREQ(NumerologyOddsLine(9), "The odds are: 80 - 100% to be a wise decision.");
    EXPECT_STREQ(AstrologyOddsLine(9), "The odds are: 90 - 100% to be a wise decision.");
    EXPECT_STREQ(NumerologyOddsLine(8), "The odds are: 60 - 80% to be a wise decision.");
    EXPECT_STREQ(AstrologyOddsLine(8), "The odds are: 80 - 90% to be a wise decision.");
    EXPECT_STREQ(NumerologyOddsLine(7), "The odds are: 40 - 60% to be a wise decision.");
    EXPECT_STREQ(AstrologyOddsLine(7), "The odds are: 70 - 80% to be a wise decision.");
    EXPECT_STREQ(NumerologyOddsLine(5), "The odds are: 20 - 40% to be a wise decision.");
    EXPECT_STREQ(AstrologyOddsLine(5), "The odds are: 50 - 60% to be a wise decision.");
    for (int other : {0, 4, 10, 15000}) {
        EXPECT_STREQ(NumerologyOddsLine(other), "The odds are: 0 - 20% to be a wise decision.");
        EXPECT_STREQ(AstrologyOddsLine(other), "The odds are: 0 - 10% to be a wise decision.");
    }
}

TEST(QuorvexOdds, SellingWithAStrippedThreeGivesTwentyToFortyPercent)
{
    EXPECT_EQ(OddsText(smallSale()),
              "QUORVEX REPORT\n" + kRule + "\n\nThis reading is based on the Pythagorean Numerology      \n\n" +
                  "Sell AB at $10 a share on 1-1-2000\n\nThe odds are: 20 - 40% to be a wise decision.\n\n" + kRule +
                  "    \n\nThis reading is based on the Pythagorean Astrology      \n\n" +
                  "Sell AB at $10 a share on 1-1-2000\n\nThe odds are: 50 - 60% to be a wise decision.\n\n" + kRule +
                  "\n\n");
}

TEST(QuorvexItemFile, SixteenValuesTheLastWithoutALineEnd)
{
    PortfolioItem i = smallSale();
    i.exchange = "Foreign";
    i.birthday = {12, 31, 1960};
    i.selected = {7, 4, 2001};
    EXPECT_EQ(ItemFileText(i), "AB\nBond\nForeign\n10\n24\nAl\n12\n31\n1960\nSingle\n\n\nSell\n7\n4\n2001");
}

TEST(QuorvexItemFile, ReadsBackWhatItWrote)
{
    const fs::path dir = scratch("round_trip");
    PortfolioItem i = smallSale();
    i.security = "Société Générale";
    i.account = "Trust";
    i.broker = "Main Street Brokers";
    std::ofstream(dir / "item.txt") << ItemFileText(i);
    PortfolioItem read;
    ASSERT_TRUE(LoadItemFile(dir / "item.txt", {5, 6, 2007}, read));
    EXPECT_EQ(ItemFileText(read), ItemFileText(i));
}

TEST(QuorvexItemFile, JunkGivesStartValuesAndLongTextsAreKept)
{
    const fs::path dir = scratch("junk");
    const std::string longName(90, 'x');
    std::ofstream(dir / "item.txt", std::ios::binary)
        << longName << "\r\nShares\nNasdaq\n301\nlots\nAnn\n13\n-1\n1899\n"
        << std::string("Widowed\0junk\n", 13) << "Regular\n\nSell\n2";
    PortfolioItem read;
    read.security = "old";
    ASSERT_TRUE(LoadItemFile(dir / "item.txt", {5, 6, 2007}, read));
    EXPECT_EQ(read.security, longName);  // longer than the field's typing limit
    EXPECT_EQ(read.type, "");            // not one of the choices
    EXPECT_EQ(read.exchange, "Nasdaq");
    EXPECT_EQ(read.price, 1);
    EXPECT_EQ(read.shares, 100);
    EXPECT_EQ(read.investor, "Ann");
    EXPECT_EQ(read.birthday, (numerology::Date{1, 1, 1900}));
    EXPECT_EQ(read.status, "Widowed");
    EXPECT_EQ(read.account, "Regular");
    EXPECT_EQ(read.action, "Sell");
    EXPECT_EQ(read.selected, (numerology::Date{2, 6, 2007}));  // missing lines start at today
}

TEST(QuorvexItemFile, ATextLineKeepsAtMostNinetyNineBytes)
{
    const fs::path dir = scratch("long");
    std::ofstream(dir / "item.txt", std::ios::binary) << std::string(120, 'b') << "\nStock\n";
    PortfolioItem read;
    ASSERT_TRUE(LoadItemFile((dir / "item.txt").string(), {5, 6, 2007}, read));
    EXPECT_EQ(read.security, std::string(99, 'b'));
    EXPECT_EQ(read.type, "Stock");  // the rest of a long line never spills into the next field
}

TEST(QuorvexItemFile, AMissingFileIsReportedAndChangesNothing)
{
    PortfolioItem read = smallSale();
    EXPECT_FALSE(LoadItemFile((scratch("missing") / "none.txt").string(), {5, 6, 2007}, read));
    EXPECT_EQ(read.security, "AB");
}

TEST(QuorvexList, ASecurityIsFoundByTheBeginningOfAnEntryInAnyLetterCase)
{
    const PortfolioNames names = {"Apple", "IBM", "ib"};
    EXPECT_EQ(FindByPrefix(names, "IB"), 1u);
    EXPECT_EQ(FindByPrefix(names, "ibm"), 1u);
    EXPECT_EQ(FindByPrefix(names, "IBMX"), std::nullopt);
    EXPECT_EQ(FindByPrefix({"IB"}, "IBM"), std::nullopt);
    EXPECT_EQ(FindExactly(names, "IB"), 2u);
    EXPECT_EQ(FindExactly(names, "apple"), 0u);
    EXPECT_EQ(FindExactly(names, "App"), std::nullopt);
}

TEST(QuorvexList, PortfolioFileSkipsEmptyLinesAndKeepsTheOrder)
{
    const fs::path dir = scratch("list");
    EXPECT_TRUE(LoadPortfolioNames((dir / "Portfolio.ini").string()).empty());
    std::ofstream(dir / "Portfolio.ini") << "Zeta\n\nAlpha\r\n" << std::string(200, 'n') << "\nlast";
    const PortfolioNames names = LoadPortfolioNames((dir / "Portfolio.ini").string());
    EXPECT_EQ(names, (PortfolioNames{"Zeta", "Alpha", std::string(127, 'n'), "last"}));
    EXPECT_EQ(PortfolioFileText({"Zeta", "Alpha"}), "Zeta\nAlpha\n");

    // A name longer than the field's typing limit is kept whole; the 127-byte line never
    // ends inside a character.
    std::ofstream(dir / "Portfolio.ini") << std::string(85, 'a') << "\n" << std::string(126, 'b') << "\xC3\xA9\n";
    EXPECT_EQ(LoadPortfolioNames((dir / "Portfolio.ini").string()),
              (PortfolioNames{std::string(85, 'a'), std::string(126, 'b')}));
}

}  // namespace quorvex_test
