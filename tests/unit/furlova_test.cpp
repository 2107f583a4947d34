// Furlova's lists, odds rule, texts, date check and the Odds conversation.
#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "furlova/furlova.h"
#include "numerology/numerology.h"

namespace furlova_test {

using namespace furlova;

RaceData silverWind()
{
    RaceData d;
    d.horse = "Silver Wind";
    d.distance = "6 furlongs";
    d.surface = "dirt";
    d.weather = "clear";
    d.date = {1, 1, 2000};
    return d;
}

const char* const kSilverWindConfirmation = "Is this information accurate?                \n\n"
                                            "Selected Date:\t1  1  2000\n"
                                            "Horse Name:\tSilver Wind\n"
                                            "Jockey Name:\t\n"
                                            "Trainer Name:\t\n"
                                            "Owner Name:\t\n\n"
                                            "Post Position:\t1\n"
                                            "Race Distance:\t6 furlongs\n"
                                            "Track Surface:\tdirt\n"
                                            "Weather:\t\tclear\n"
                                            "Classs of Race:\t\n\n"
                                            "Medication:\t\n"
                                            "Speed of Horse:\t0\n"
                                            "Horse Weight:\t115\n"
                                            "Horse Age:\t2\n"
                                            "Race Track:\t\n";

TEST(FurlovaLists, DistancesInRacingOrderAndTheOthersSorted)
{
    const std::vector<std::string> distances = {
        "4.5 furlongs",    "5 furlongs",   "5.5 furlongs", "6 furlongs",  "6.5 furlongs", "7 furlongs",  "1 mile",
        "1 mile 70 yards", "1 1/16 miles", "1 1/8 miles",  "1 1/4 miles", "1 1/2 miles",  "1 3/4 miles", "2 miles"};
    EXPECT_EQ(DistanceList(), distances);
    EXPECT_EQ(SurfaceList(),
              (std::vector<std::string>{"dirt", "fast", "firm", "frozen", "good", "muddy", "sloppy", "turf"}));
    EXPECT_EQ(WeatherList(), (std::vector<std::string>{"clear", "percepitation"}));
    EXPECT_EQ(ClassList(), (std::vector<std::string>{"Allowance", "Claimers", "Handicap", "Maiden", "Stake"}));
    EXPECT_EQ(MedicationList(), (std::vector<std::string>{"Bute", "First Time Lasix", "Lasix"}));
}

TEST(FurlovaOdds, SilverWindOnNewYear2000IsTwentyToForty)
{
    EXPECT_EQ(numerology::NameValue("Silver Wind"), 135);
    EXPECT_EQ(numerology::NameValue("6 furlongs"), 118);
    EXPECT_EQ(numerology::NameValue("dirt"), 51);
    EXPECT_EQ(numerology::NameValue("clear"), 39);
    EXPECT_EQ(OddsTotal(silverWind()), 2463);
    EXPECT_EQ(BandDigit(2463), 5);
    EXPECT_EQ(ResultText(silverWind(), 5), "This reading is based on the Pythagorean Numerology    \n\n"
                                           "Probability of Silver Wind winning is: 20 - 40%");
}

TEST(FurlovaOdds, EveryEntryCounts)
{
    RaceData d;
    d.horse = "Star 7";           // 65
    d.jockey = "Al";              // 13
    d.trainer = "Bo";             // 17
    d.owner = "Cy";               // 28
    d.medication = "Bute";        // 48
    d.raceClass = "Stake";        // 56
    d.distance = "2 miles";       // 60
    d.surface = "turf";           // 65
    d.weather = "percepitation";  // 151
    d.raceTrack = "Aqueduct";     // 92
    d.postPosition = 15;
    d.age = 12;
    d.weight = 132;
    d.speed = 115;
    d.date = {2, 29, 1900};
    EXPECT_EQ(OddsTotal(d), 595 + 274 + 1931);
    EXPECT_EQ(BandDigit(2800), 6);  // last two digits 00 count as 1
}

TEST(FurlovaOdds, DigitsCountAtFaceValueAndCaseAndPunctuationDoNot)
{
    RaceData plain = silverWind();
    plain.horse = "Star";
    RaceData seven = plain, zero = plain, shouting = plain;
    seven.horse = "Star 7";
    zero.horse = "Star 0!";
    shouting.horse = "STAR";
    EXPECT_EQ(OddsTotal(seven), OddsTotal(plain) + 7);
    EXPECT_EQ(OddsTotal(zero), OddsTotal(plain));
    EXPECT_EQ(OddsTotal(shouting), OddsTotal(plain));
}

TEST(FurlovaOdds, RainMovesTheTotalByTheDifferenceOfTheWords)
{
    RaceData wet = silverWind();
    wet.weather = "percepitation";
    EXPECT_EQ(OddsTotal(wet), 2463 + 151 - 39);
    EXPECT_EQ(BandText(BandDigit(OddsTotal(wet))), "40 - 60%");  // 75: 75 mod 9 = 3
}

TEST(FurlovaOdds, LastTwoDigitsPickTheBand)
{
    // r = 1 ... 9 give the digits 2 ... 9, 1 and so the bands below.
    const int bands[] = {6, 9, 7, 5, 6, 7, 8, 9, 5};
    for (int r = 1; r <= 9; ++r)
        EXPECT_EQ(BandDigit(2000 + r), bands[r - 1]) << r;
    for (long long total : {2005, 2014, 2023, 2095})
        EXPECT_EQ(BandDigit(total), 6) << total;
    for (long long total : {2003, 2012, 2021})
        EXPECT_EQ(BandDigit(total), 7) << total;
    EXPECT_EQ(BandDigit(2099), 5);
    EXPECT_EQ(BandDigit(2500), 6);
}

TEST(FurlovaOdds, TotalsWithoutFourDigitsCountAsOne)
{
    EXPECT_EQ(BandDigit(999), 6);  // not 99
    EXPECT_EQ(BandDigit(1001), 6);
    EXPECT_EQ(BandDigit(1002), 9);
    EXPECT_EQ(BandDigit(9998), 9);
    EXPECT_EQ(BandDigit(10098), 6);  // not 98
    EXPECT_EQ(BandDigit(0), 6);
}

TEST(FurlovaOdds, BandTexts)
{
    EXPECT_EQ(BandText(9), "80 - 100%");
    EXPECT_EQ(BandText(8), "60 - 80%");
    EXPECT_EQ(BandText(7), "40 - 60%");
    EXPECT_EQ(BandText(5), "20 - 40%");
    EXPECT_EQ(BandText(6), "0 - 20%");
}

TEST(FurlovaTexts, ConfirmationLeavesEmptyOptionalsBlank)
{
    EXPECT_EQ(ConfirmationText(silverWind()), kSilverWindConfirmation);
}

TEST(FurlovaDate, LeapYearsAndMonthLengths)
{
    FakeUi ui;
    EXPECT_TRUE(RaceDateValid(ui, {2, 29, 1900}));  // every fourth year counts
    EXPECT_TRUE(RaceDateValid(ui, {4, 30, 2000}));
    EXPECT_TRUE(RaceDateValid(ui, {12, 31, 2099}));
    EXPECT_TRUE(ui.boxes.empty());

    EXPECT_FALSE(RaceDateValid(ui, {2, 29, 1901}));
    EXPECT_FALSE(RaceDateValid(ui, {2, 30, 2000}));
    EXPECT_FALSE(RaceDateValid(ui, {11, 31, 2000}));
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text, "There are only 28 days in February.\nPlease correct it and then try again.    ");
    EXPECT_EQ(ui.boxes[1].text, "There are only 29 days in February.\nPlease correct it and then try again.    ");
    EXPECT_EQ(ui.boxes[2].text,
              "There are only 30 days in April, June, September, and November.\nPlease correct it and then try again.");
    for (const RecordedBox& box : ui.boxes) {
        EXPECT_EQ(box.caption, "DATE ERROR");
        EXPECT_EQ(box.icon, shell::Icon::Stop);
    }
}

TEST(FurlovaDate, OutOfRangeFailsSilently)
{
    FakeUi ui;
    EXPECT_FALSE(RaceDateValid(ui, {13, 1, 2000}));
    EXPECT_FALSE(RaceDateValid(ui, {0, 1, 2000}));
    EXPECT_FALSE(RaceDateValid(ui, {1, 1, 1899}));
    EXPECT_FALSE(RaceDateValid(ui, {1, 1, 2100}));
    EXPECT_FALSE(RaceDateValid(ui, {1, 32, 2000}));
    EXPECT_FALSE(RaceDateValid(ui, {1, 0, 2000}));
    EXPECT_TRUE(ui.boxes.empty());
}

class FurlovaConversation : public ::testing::Test {
protected:
    FurlovaConversation() { fake.clock.time = {2026, 12, 8, 19, 0, 0}; }

    std::string onlyText() const
    {
        EXPECT_EQ(fake.ui.boxes.size(), 1u);
        return fake.ui.boxes.empty() ? "" : fake.ui.boxes[0].text;
    }

    FakeServices fake;
};

TEST_F(FurlovaConversation, StartsWithTheTableValuesAndToday)
{
    Furlova f(fake.services);
    EXPECT_EQ(f.data.postPosition, 1);
    EXPECT_EQ(f.data.speed, 0);
    EXPECT_EQ(f.data.weight, 115);
    EXPECT_EQ(f.data.age, 2);
    EXPECT_EQ(f.data.date, (Date{12, 8, 2026}));
    EXPECT_TRUE(f.data.horse.empty() && f.data.distance.empty() && f.data.weather.empty());
}

TEST_F(FurlovaConversation, YesShowsTheBandAndKeepsIt)
{
    Furlova f(fake.services);
    f.data = silverWind();
    fake.ui.answers = {shell::Answer::Yes};
    EXPECT_TRUE(f.Odds());
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "FURLOVA");
    EXPECT_EQ(fake.ui.boxes[0].icon, shell::Icon::Question);
    EXPECT_EQ(fake.ui.boxes[0].buttons, shell::Buttons::YesNo);
    EXPECT_EQ(fake.ui.boxes[0].text, kSilverWindConfirmation);
    EXPECT_EQ(fake.ui.boxes[1].caption, "FURLOVA");
    EXPECT_EQ(fake.ui.boxes[1].icon, shell::Icon::Information);
    EXPECT_EQ(fake.ui.boxes[1].text, ResultText(silverWind(), 5));
    EXPECT_EQ(f.data.lastBand, 5);
}

TEST_F(FurlovaConversation, NoAsksForCorrections)
{
    Furlova f(fake.services);
    f.data = silverWind();
    fake.ui.answers = {shell::Answer::No};
    EXPECT_FALSE(f.Odds());
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.boxes[1].text, "Please correct any mistakes and try again.    ");
    EXPECT_EQ(fake.ui.boxes[1].icon, shell::Icon::Stop);
    EXPECT_EQ(f.data.lastBand, 0);
}

TEST_F(FurlovaConversation, TheHorseNameComesFirst)
{
    Furlova f(fake.services);  // nothing chosen either
    EXPECT_FALSE(f.Odds(false));
    EXPECT_EQ(onlyText(), "Please enter name of the horse.    ");
    EXPECT_EQ(fake.ui.boxes[0].caption, "FURLOVA");
    EXPECT_EQ(fake.ui.boxes[0].icon, shell::Icon::Stop);
}

TEST_F(FurlovaConversation, ARefusedNumberEndsWithoutAFurtherBox)
{
    Furlova f(fake.services);
    f.data = silverWind();
    EXPECT_FALSE(f.Odds(false));
    f.data.weight = 104;  // a record that was never read from the window
    EXPECT_FALSE(f.Odds());
    f.data = silverWind();
    f.data.speed = 116;
    EXPECT_FALSE(f.Odds());
    f.data = silverWind();
    f.data.postPosition = 0;
    EXPECT_FALSE(f.Odds());
    EXPECT_TRUE(fake.ui.boxes.empty());
}

TEST_F(FurlovaConversation, RequiredListsInOrderThenTheDate)
{
    Furlova f(fake.services);
    f.data = silverWind();
    f.data.distance.clear();
    f.data.surface.clear();
    f.data.weather.clear();
    f.data.date = {2, 30, 2000};
    const char* const expected[] = {"Please select race distance.    ", "Please select track surface.    ",
                                    "Please select weather.    "};
    for (const char* text : expected) {
        fake.ui.boxes.clear();
        EXPECT_FALSE(f.Odds());
        EXPECT_EQ(onlyText(), text);
        if (f.data.distance.empty())
            f.data.distance = "1 mile";
        else if (f.data.surface.empty())
            f.data.surface = "turf";
    }
    f.data.weather = "clear";
    fake.ui.boxes.clear();
    EXPECT_FALSE(f.Odds());
    EXPECT_EQ(fake.ui.boxes.at(0).caption, "DATE ERROR");
    EXPECT_EQ(fake.ui.boxes.size(), 1u);  // no confirmation after a bad date
}

TEST_F(FurlovaConversation, HelpNamesTheThreeSteps)
{
    Furlova f(fake.services);
    f.Help();
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, "FURLOVA HELP");
    EXPECT_EQ(fake.ui.boxes[0].icon, shell::Icon::Information);
    const std::string& text = fake.ui.boxes[0].text;
    for (const char* line : {"One - enter information about a particular horse in the appropriate fields.",
                             "Two - decide how many required and optional fields you want to use.",
                             "Three - click on the Odds Button to receive your reading right away.", "Copyright"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

}  // namespace furlova_test
