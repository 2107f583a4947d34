// Pulsara's day count, meter tables, date digits, the NA and TM conversations and pulsara.ini.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/temp_path.h"

#include "tests/support/fake_services.h"
#include "pulsara/pulsara.h"
#include "pulsara/saved_inputs.h"

namespace pulsara_test {

using namespace pulsara;

const Meters kMiddle{50, 50, 50};

struct PulsaraConversation : ::testing::Test {
    FakeServices fake;
    Pulsara pulsara{fake.services};

    void SetUp() override
    {
        PulsaraData& d = pulsara.data;
        d.name = "Anna Lee";
        d.birth = {7, 4, 1985};
        d.selected = {3, 10, 2026};
        d.number = "9";
        d.colour = "blue";
        d.meters = {1, 2, 3};  // what the last reading left
    }

    // The only box a refused reading shows; the meters keep their values.
    void expectRefusal(Method method, const std::string& caption, const std::string& text)
    {
        fake.ui.boxes.clear();
        EXPECT_FALSE(pulsara.Measure(method));
        ASSERT_EQ(fake.ui.boxes.size(), 1u);
        EXPECT_EQ(fake.ui.boxes[0].caption, caption);
        EXPECT_EQ(fake.ui.boxes[0].text, text);
        EXPECT_EQ(fake.ui.boxes[0].icon, shell::Icon::Stop);
        EXPECT_EQ(pulsara.data.meters, (Meters{1, 2, 3}));
    }
};

TEST(PulsaraDayCount, OwnCountOfThirtyDayMonthsAndYearsDivisibleByFour)
{
    EXPECT_EQ(DayCount({1, 1, 2000}, {3, 1, 2000}), 59);  // the calendar says 60
    EXPECT_EQ(DayCount({5, 5, 1999}, {5, 5, 1999}), 0);
    EXPECT_EQ(DayCount({5, 5, 2000}, {5, 5, 2000}), 1);        // the year 2000 counts on its own
    EXPECT_EQ(DayCount({6, 15, 1970}, {6, 15, 2000}), 10958);  // 30 x 365 + 1972 ... 2000
    EXPECT_EQ(DayCount({12, 31, 2001}, {1, 1, 2002}), 3);      // 365 - 330 - 2 + 1 - 31
    EXPECT_EQ(DayCount({1, 31, 2001}, {2, 1, 2001}), -2);      // 30 - 2 + 1 - 31
    EXPECT_EQ(DayCount({4, 30, 1999}, {6, 1, 1999}), 32);      // 60 + 0 - (-1) + 1 - 30
}

TEST(PulsaraMeters, PhysicalColumnsAndPhases)
{
    EXPECT_EQ(HalfPeriod(Cycle::Physical), 276);
    EXPECT_EQ(MeterValue(Cycle::Physical, 24), 60);
    EXPECT_EQ(MeterValue(Cycle::Physical, 25), 70);
    EXPECT_EQ(MeterValue(Cycle::Physical, 97), 100);
    EXPECT_EQ(MeterValue(Cycle::Physical, 144), 100);
    EXPECT_EQ(MeterValue(Cycle::Physical, 145), 90);
    EXPECT_EQ(MeterValue(Cycle::Physical, 241), 50);
    EXPECT_EQ(MeterValue(Cycle::Physical, 276), 50);  // a whole half: Passive, at its end
    EXPECT_EQ(MeterValue(Cycle::Physical, 277), 40);  // Passive, one hour in
    EXPECT_EQ(MeterValue(Cycle::Physical, 276 + 120), 1);
    EXPECT_EQ(MeterValue(Cycle::Physical, 276 + 96), 10);
    EXPECT_EQ(MeterValue(Cycle::Physical, 552), 50);  // Active again, at its start
    EXPECT_EQ(MeterValue(Cycle::Physical, 552 + 48), 70);
}

TEST(PulsaraMeters, EmotionalColumnsAndPhases)
{
    EXPECT_EQ(HalfPeriod(Cycle::Emotional), 336);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 24), 57);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 144), 93);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 168), 100);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 169), 93);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 192), 93);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 193), 85);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 336), 49);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 336 + 150), 1);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 336 + 180), 7);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 672), 50);
    EXPECT_EQ(MeterValue(Cycle::Emotional, 1008), 49);  // Passive at its start
}

TEST(PulsaraMeters, IntellectualColumnsAndPhases)
{
    EXPECT_EQ(HalfPeriod(Cycle::Intellectual), 396);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 168), 93);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 169), 100);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 198), 100);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 199), 93);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 361), 50);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 396), 50);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 396 + 72), 31);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 396 + 169), 1);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 396 + 216), 1);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 396 + 217), 12);
    EXPECT_EQ(MeterValue(Cycle::Intellectual, 792), 50);
}

TEST(PulsaraTraditional, TheDaysSinceBirthOnTheThreeCycles)
{
    // 59 days, 1416 hours: Passive 36, Active 72, Passive 228.
    EXPECT_EQ(TraditionalMeters({1, 1, 2000}, {3, 1, 2000}), (Meters{30, 71, 12}));
    EXPECT_EQ(TraditionalMeters({1, 1, 2001}, {1, 2, 2001}), (Meters{60, 57, 56}));
    EXPECT_EQ(TraditionalMeters({5, 5, 1999}, {5, 5, 1999}), kMiddle);
    EXPECT_EQ(TraditionalMeters({1, 1, 2000}, {1, 1, 2000}), kMiddle);               // counts 1
    EXPECT_EQ(TraditionalMeters({1, 1, 2000}, {1, 2, 2000}), (Meters{70, 64, 62}));  // counts 2
    // 31 January to 1 February counts -2 days: read as the day of birth.
    EXPECT_EQ(TraditionalMeters({1, 31, 2001}, {2, 1, 2001}), kMiddle);
    EXPECT_EQ(TraditionalMeters({1, 29, 2001}, {2, 1, 2001}), kMiddle);  // counts 0
}

TEST(PulsaraNumerology, DateSumDigitContinuesTheCenturies)
{
    EXPECT_EQ(DateSumDigit({1, 1, 2000}), 3);    // 2002
    EXPECT_EQ(DateSumDigit({1, 1, 1800}), 3);    // 1802, the least sum
    EXPECT_EQ(DateSumDigit({1, 1, 2097}), 1);    // 2099: 99 % 9 + 1
    EXPECT_EQ(DateSumDigit({12, 19, 2069}), 1);  // 2100
    EXPECT_EQ(DateSumDigit({12, 31, 2099}), 7);  // 2142, the greatest sum
    EXPECT_EQ(DateSumDigit({7, 4, 1985}), 7);    // 1996
    EXPECT_EQ(DateSumDigit({0, 0, 50}), 6);      // below the centuries: the plain year rule
    EXPECT_EQ(DateSumDigit({1, 1, 1000}), 0);
}

TEST(PulsaraNumerology, NameColourNumberAndDateDigits)
{
    // A + red + 1 = 29; every digit 3: 32 and 35 fall by 3 to 8.
    EXPECT_EQ(NumerologyMeters("A", "red", 1, {1, 1, 2000}, {1, 1, 2000}), (Meters{80, 80, 80}));
    // Anna Lee 52 + blue 40 + 9 = 101; birth digit 7, selected digit 4 (2039).
    // Physical 108 -> 10; Emotional 105 -> 9; Intellectual 108 + 4 = 112 -> 8.
    EXPECT_EQ(NumerologyMeters("Anna Lee", "blue", 9, {7, 4, 1985}, {3, 10, 2026}), (Meters{100, 90, 80}));
    // Only letters count: digits, blanks and marks add nothing.
    EXPECT_EQ(NumerologyMeters("A. 2-b!", "white", 5, {1, 1, 2000}, {1, 1, 2000}),
              NumerologyMeters("Ab", "white", 5, {1, 1, 2000}, {1, 1, 2000}));
}

TEST_F(PulsaraConversation, ChecksRunInOrder)
{
    pulsara.data.name.clear();
    pulsara.data.selected = {2, 30, 2001};
    expectRefusal(Method::Traditional, "PULSARA", "Please enter full name.   ");
    pulsara.data.name = "Anna Lee";
    pulsara.data.birth = {4, 31, 1985};
    expectRefusal(Method::Traditional, "DATE ERROR",
                  "There are only 28 days in February!\nPlease correct it and then try again.    ");
    pulsara.data.selected = {2, 30, 2004};
    expectRefusal(Method::Traditional, "DATE ERROR",
                  "There are only 29 days in February!\nPlease correct it and then try again.    ");
    pulsara.data.selected = {2, 29, 2004};
    expectRefusal(Method::Traditional, "DATE ERROR",
                  "There are only 30 days in April, June, September, and November!\n"
                  "Please correct it and then try again.");
    pulsara.data.birth = {2, 29, 2004};
    pulsara.data.selected = {2, 28, 2004};
    expectRefusal(Method::Traditional, "DATE ERROR",
                  "You can't select a date before a birth date!    \nPlease correct it and then try again.");
    pulsara.data.selected = {2, 29, 2004};
    pulsara.data.number.clear();
    pulsara.data.colour.clear();
    expectRefusal(Method::Numerology, "PULSARA", "Please select number.   ");
    pulsara.data.number = "3";
    expectRefusal(Method::Numerology, "PULSARA", "Please select color.   ");
}

TEST_F(PulsaraConversation, ExplanationAndHelpAreInformationBoxes)
{
    pulsara.Explain();
    pulsara.Help();
    ASSERT_EQ(fake.ui.boxes.size(), 2u);
    EXPECT_EQ(fake.ui.captions(), (std::vector<std::string>{"PULSARA", "PULSARA HELP"}));
    for (const RecordedBox& box : fake.ui.boxes)
        EXPECT_EQ(box.icon, shell::Icon::Information);
    for (const char* theme : {"23 days", "28 days", "33 days", "12 hours", "Active", "Passive", "color"})
        EXPECT_NE(fake.ui.boxes[0].text.find(theme), std::string::npos) << theme;
    for (const char* theme : {"TM", "NA", "12 hours", "mood", "shorter or a longer form"})
        EXPECT_NE(fake.ui.boxes[1].text.find(theme), std::string::npos) << theme;
}

TEST(PulsaraSavedInputs, MissingOrJunkLinesKeepTheStartValues)
{
    PulsaraData d;
    applySavedInputs({"Jo", "12"}, d);
    EXPECT_EQ(d.name, "Jo");
    EXPECT_EQ(d.birth, (Date{12, 1, 1900}));
    applySavedInputs({"", "x", "32", "2100"}, d);  // no number, out of range
    EXPECT_EQ(d.name, "");
    EXPECT_EQ(d.birth, (Date{12, 1, 1900}));
    applySavedInputs({"Al", " 3", "31", "1800 and more"}, d);
    EXPECT_EQ(d.birth, (Date{3, 31, 1800}));
}

TEST(PulsaraSavedInputs, ALongNameReadsBackWhole)
{
    namespace fs = std::filesystem;
    const fs::path root = test_support::tempPath("pulsara_saved_inputs_test");
    fs::remove_all(root);
    FakePaths paths(root.string());
    PulsaraData d;
    for (int i = 0; i < 40; ++i)
        d.name += "Жё ";  // 120 characters, 200 bytes
    d.birth = {2, 29, 2000};
    kSavedInputs.save(paths, d);
    PulsaraData back;
    kSavedInputs.load(paths, back);
    EXPECT_EQ(back.name, d.name);
    EXPECT_EQ(back.birth, d.birth);

    d.name = std::string(98, 'n');  // exactly one full piece
    kSavedInputs.save(paths, d);
    kSavedInputs.load(paths, back);
    EXPECT_EQ(back.name, d.name);
    EXPECT_EQ(back.birth, d.birth);
    fs::remove_all(root);
}

}  // namespace pulsara_test
