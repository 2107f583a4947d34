#include <gtest/gtest.h>

#include <cstdlib>

#include "pair/pair_reading.h"
#include "pair/pair_report.h"
#include "pair/pair_rules.h"

namespace pair_test {

using namespace pairing;

// John Smith and Mary Jones, the pair every rule below is first checked on.
PairRecord johnAndMary()
{
    PairRecord r;
    r.selected = {1, 1, 2000};
    r.one = {"John", "Smith", {3, 15, 1970}, "brown", "blue", true, true, false};
    r.two = {"Mary", "Jones", {7, 4, 1972}, "blond", "green", false, true, true};
    r.activity = "go dancing with";
    return r;
}

PairFacts factsWith(int number, PairDigits digits)
{
    return {digits, number, "Ann Lee", "Bob Ray"};
}

TEST(PairRules, JohnAndMary)
{
    const PairRecord r = johnAndMary();
    EXPECT_EQ(ComputePairDigits(r), (PairDigits{8, 3, 2, 5}));
    EXPECT_EQ(PairNumber(r), 444);  // one has pets: no bonus
    EXPECT_EQ(PairCountdown(444, ComputePairDigits(r)), 2);
    EXPECT_EQ(PairReading(PairKind::Love, r), "Perfect for each other, real love.");
    EXPECT_EQ(CoupleType(r), 3);
    EXPECT_EQ(SelectedDateDigit(r.selected), 3);
    // 3 + 3 + 444 + 134 = 584 counts down to 8, the first digit.
    EXPECT_EQ(PairCountdown(584, ComputePairDigits(r)), 8);
    EXPECT_STREQ(ActivityForecast(r), "50 - 75%");
    // The report leaves the couple type out: 581 ends on 5, the difference.
    EXPECT_EQ(PairCountdown(581, ComputePairDigits(r)), 5);
    EXPECT_STREQ(ReportForecast(r), "10 - 30%");
}

TEST(PairRules, PetsBonusOnlyWhenBothHavePets)
{
    PairRecord r = johnAndMary();
    r.one.pets = true;
    EXPECT_EQ(PairNumber(r), 447);
}

TEST(PairRules, OnlyLettersCountInThePairNumber)
{
    PairRecord r;
    r.one = {"Jo-2", "O'Ná", {1, 1, 1900}, "", "", false, false, false};
    r.two = {"", "", {1, 1, 1900}, "", "", false, false, false};
    // J 10 + o 15, O 15 + N 14; the digit, the punctuation and the accented letter add nothing.
    EXPECT_EQ(PairNumber(r), 54);
}

TEST(PairRules, EqualBirthdayDigitsGiveDifferenceZero)
{
    const PairDigits d = ComputePairDigits(Date{1, 1, 1900}, Date{1, 1, 1900});
    EXPECT_EQ(d, (PairDigits{1, 1, 2, 0}));
    EXPECT_EQ(ComputePairDigits(Date{9, 9, 1908}, Date{9, 9, 1908}), (PairDigits{9, 9, 9, 0}));
}

TEST(PairCountdown, StopsOnADigitOrBelowOne)
{
    const PairDigits d{8, 3, 2, 5};
    EXPECT_EQ(PairCountdown(8, d), 8);   // already a digit
    EXPECT_EQ(PairCountdown(12, d), 2);  // 12 - 2 = 10, 10 - 8 = 2
    EXPECT_EQ(PairCountdown(-4, d), -4);
    // From 3 the sum of 8 takes it to -5 at once.
    EXPECT_EQ(PairCountdown(3, {9, 8, 8, 1}), -5);
    // 0 is below 1, but with equal birthday digits it is the difference itself.
    EXPECT_EQ(PairCountdown(0, {3, 3, 6, 0}), 0);
    EXPECT_EQ(PairCountdown(0, d), 0);
}

TEST(PairCountdown, LargeStartsLandWhereSingleStepsWould)
{
    // Every pair of birthday digits, equal ones (difference 0) included.
    for (int first = 1; first <= 9; ++first) {
        for (int second = 1; second <= 9; ++second) {
            const int sum = first + second > 9 ? first + second - 9 : first + second;
            const PairDigits d{first, second, sum, std::abs(first - second)};
            const int rotation[] = {d.sum, d.first, d.second, d.difference};
            for (int start = 1; start < 300; ++start) {
                int n = start, step = 0;
                while (n >= 1 && n != d.first && n != d.second && n != d.sum && n != d.difference)
                    n -= rotation[step++ % 4];
                EXPECT_EQ(PairCountdown(start, d), n) << first << " " << second << " from " << start;
            }
        }
    }
}

TEST(PairReading, ZeroIsTheDifferenceOnlyWhenTheDigitsAreEqual)
{
    EXPECT_EQ(PairReading(PairKind::Love, factsWith(0, {3, 3, 6, 0})),
              "Not in love with each other, never were and never will be.");
    EXPECT_EQ(PairReading(PairKind::Love, factsWith(0, {8, 3, 2, 5})),
              "This is a product of pure chance - it is not meant to be.");
    EXPECT_EQ(PairReading(PairKind::Trust, factsWith(3, {9, 8, 8, 1})), "You can not trust each other.");
}

TEST(PairReading, EqualFirstAndSecondFollowTheReadingsOrder)
{
    const PairFacts f = factsWith(3, {3, 3, 6, 0});
    // Love, Fate, Business and Friendship test the second digit first ...
    EXPECT_EQ(PairReading(PairKind::Love, f), "Bob Ray is in love with Ann Lee.");
    EXPECT_EQ(PairReading(PairKind::Fate, f), "Future together will not be easy because of Bob Ray.");
    EXPECT_EQ(PairReading(PairKind::Business, f), "Any business enterprise will not work because of Bob Ray.");
    EXPECT_EQ(PairReading(PairKind::Friendship, f), "Friendship will not work because of Bob Ray.");
    // ... Loyalty, Trust, Fortune and Regrets the first.
    EXPECT_EQ(PairReading(PairKind::Loyalty, f), "Ann Lee will not be loyal to Bob Ray.");
    EXPECT_EQ(PairReading(PairKind::Trust, f), "Ann Lee can not be trusted in this relationship.");
    EXPECT_EQ(PairReading(PairKind::Fortune, f), "Ann Lee will not bring good fortune to this relationship.");
    EXPECT_EQ(PairReading(PairKind::Regrets, f), "Ann Lee will be the source of all the regrets in this relationship.");
}

TEST(PairReading, EachDigitPicksItsText)
{
    const PairDigits d{8, 3, 2, 5};
    EXPECT_EQ(PairReading(PairKind::Love, factsWith(8, d)), "Ann Lee is in love with Bob Ray.");
    EXPECT_EQ(PairReading(PairKind::Loyalty, factsWith(3, d)), "Bob Ray will not be loyal to Ann Lee.");
    EXPECT_EQ(PairReading(PairKind::Fortune, factsWith(2, d)), "You can bring good fortune to each other.");
    EXPECT_EQ(PairReading(PairKind::Regrets, factsWith(5, d)),
              "You will have no regrets about this relationship for as long as you are together.");
    EXPECT_EQ(PairReading(PairKind::Fate, factsWith(1, d)), "A future together is not meant to be.");
    EXPECT_EQ(ReadingCaption(PairKind::Friendship), "DUOVELL - FRIENDSHIP");
}

TEST(CoupleType, EveryCombination)
{
    struct Case {
        bool single1, single2, male1, male2;
        int type;
    } cases[] = {
        {true, true, true, false, 3},   {true, true, false, true, 3},    {true, true, true, true, 1},
        {true, true, false, false, 1},  {false, false, true, false, 2},  {false, false, false, true, 2},
        {false, false, true, true, 1},  {false, false, false, false, 1}, {true, false, true, false, 1},
        {true, false, false, true, 1},  {true, false, true, true, 1},    {true, false, false, false, 1},
        {false, true, true, false, 1},  {false, true, false, true, 1},   {false, true, true, true, 1},
        {false, true, false, false, 1},
    };
    for (const Case& c : cases) {
        PairRecord r;
        r.one.single = c.single1;
        r.two.single = c.single2;
        r.one.male = c.male1;
        r.two.male = c.male2;
        EXPECT_EQ(CoupleType(r), c.type) << c.single1 << c.single2 << c.male1 << c.male2;
    }
}

TEST(PairReport, SectionsLeaveOutLoveFateAndRegretsForBloodRelatives)
{
    const PairFacts f = factsWith(2, {8, 3, 2, 5});
    const std::string all = ReportSections(f, true);
    EXPECT_EQ(all.find("FORTUNE - "), 0u);
    EXPECT_LT(all.find("REGRETS - "), all.find("LOVE - "));
    EXPECT_LT(all.find("FATE - "), all.find("BUSINESS - "));
    EXPECT_EQ(ReportSections(f, false), "FORTUNE - You can bring good fortune to each other.\n\n"
                                        "BUSINESS - Can go into any business enterprise together.\n\n"
                                        "FRIENDSHIP - You have a real friendship - cherish it.\n\n"
                                        "LOYALTY - Will be loyal to each other.\n\n"
                                        "TRUST - You can trust each other.\n\n");
}

TEST(PairReport, HtmlPiecesEndAtLineFeedsOrAfter98Characters)
{
    const std::string head = std::string("<HTML><HEAD><!-- Mystorin pair report. ") + kCopyrightLine +
                             " --></HEAD><STRONG><BODY BGCOLOR=\"#0000FF\" TEXT=\"#FFFF00\"><H4><P>";
    const std::string tail = "</H4></STRONG></BODY></HTML>";
    EXPECT_EQ(HtmlReport("a <b> & \"c\"\n\nd\n"), head + "a &lt;b&gt; &amp; &quot;c&quot;<P><P>d<P>" + tail);
    const std::string long100(100, 'x');
    EXPECT_EQ(HtmlReport(long100 + "\n"), head + std::string(98, 'x') + "<P>xx<P>" + tail);
    // A line of exactly 98 characters fills a piece; its line feed makes an empty one.
    EXPECT_EQ(HtmlReport(std::string(98, 'y') + "\nz"), head + std::string(98, 'y') + "<P><P>z<P>" + tail);
    // Letters beyond ASCII count as one character each and become numeric references.
    std::string accented;
    for (int i = 0; i < 99; ++i)
        accented += "\xC3\xA9";  // é
    std::string expected;
    for (int i = 0; i < 98; ++i)
        expected += "&#233;";
    EXPECT_EQ(HtmlReport(accented), head + expected + "<P>&#233;<P>" + tail);
    // A broken byte sequence is replaced, never passed on.
    EXPECT_EQ(HtmlReport("a\xC3"), head + "a&#65533;<P>" + tail);
}

}  // namespace pair_test
