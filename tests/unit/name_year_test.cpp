#include <gtest/gtest.h>

#include "zendary/readings/name_year.h"

namespace name_year_test {

using namespace zendary;

TEST(NameYear, YearAnimalsFrom1900To2012)
{
    const std::pair<int, const char*> cases[] = {
        {1900, "RAT"},   {1901, "OX"},  {1911, "PIG"},    {1912, "RAT"},    {1970, "DOG"},
        {2001, "SNAKE"}, {2007, "PIG"}, {2012, "DRAGON"}, {1903, "RABBIT"}, {1909, "ROOSTER"},
    };
    for (auto [year, animal] : cases) {
        ASSERT_NE(YearAnimalName(year), nullptr) << year;
        EXPECT_STREQ(YearAnimalName(year), animal) << year;
    }
    EXPECT_EQ(YearAnimalName(1899), nullptr);
    EXPECT_EQ(YearAnimalName(2013), nullptr);
}

TEST(NameYear, YearBoxLayout)
{
    const std::string text = YearAnimalText(2012);
    EXPECT_EQ(text.rfind("THE YEAR OF DRAGON\n\n", 0), 0u);
    const auto known = text.find("\n\nWELL KNOWN DRAGON\t\t");
    ASSERT_NE(known, std::string::npos);
    EXPECT_GT(known, 20u);                                     // a sketch stands between
    EXPECT_GT(text.size(), known + 22);                        // and a name follows
    EXPECT_EQ(text.find('\n', known + 2), std::string::npos);  // on the last line
    EXPECT_TRUE(YearAnimalText(1899).empty());
    EXPECT_TRUE(YearAnimalText(2013).empty());
}

TEST(NameYear, LetterSymbolsIgnoreCase)
{
    EXPECT_EQ(LetterSymbolText('a'), "SYMBOL\t\tFIRE\n\nQUALITY\t\tSPONTANEOUS\t");
    EXPECT_EQ(LetterSymbolText('A'), LetterSymbolText('a'));
    EXPECT_EQ(LetterSymbolText('k'), "SYMBOL\t\tDRAGON\n\nQUALITY\t\tWISDOM\t");
    EXPECT_EQ(LetterSymbolText('Y'), "SYMBOL\t\tSAND\n\nQUALITY\t\tFORGIVNESS\t");
    EXPECT_EQ(LetterSymbolText('z'), "SYMBOL\t\tWIND\n\nQUALITY\t\tENDURANCE\t");
    EXPECT_EQ(LetterSymbolText(' '), "");
    EXPECT_EQ(LetterSymbolText('3'), "");
}

TEST(NameYear, ValidNamesHoldLettersAndBlanksOnly)
{
    EXPECT_TRUE(ValidFirstName("Ab c"));
    EXPECT_TRUE(ValidFirstName("  "));
    EXPECT_FALSE(ValidFirstName("Jo3"));
    EXPECT_FALSE(ValidFirstName("Ann-Marie"));
    EXPECT_FALSE(ValidFirstName("Zo\xC3\xAB"));  // a letter outside A-Z
    EXPECT_FALSE(ValidFirstName("a\tb"));
}

}  // namespace name_year_test
