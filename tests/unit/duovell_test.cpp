#include <gtest/gtest.h>

#include "tests/support/temp_path.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "duovell/duovell.h"
#include "duovell/saved_inputs.h"
#include "tests/support/fake_services.h"

namespace duovell_test {

using namespace duovell;
using pairing::PairRecord;

struct Fixture : FakeServices {
    Duovell duo{services};

    Fixture()
    {
        PairRecord& r = duo.record;
        r.one = {"John", "Smith", {3, 15, 1970}, "brown", "blue", true, true, false};
        r.two = {"Mary", "Jones", {7, 4, 1972}, "blond", "green", false, true, true};
        r.activity = "go dancing with";
    }
};

std::string writeTemp(const std::string& content)
{
    const std::string path = test_support::tempPath("duovell_test_duo.ini");
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

TEST(DuovellConfirmation, ListsBothPeopleAndTheSelectedDate)
{
    Fixture f;
    f.duo.record.selected = {10, 5, 2000};
    EXPECT_EQ(ConfirmationText(f.duo.record, true),
              "Is this information accurate?\n\n"
              "First Individual's Name:\tJohn Smith\n"
              "First Individual's Birthday:\t3   15 1970\n"
              "Other information:\t\tSingle Male\n"
              "Hair:\t\t\tbrown\nEyes:\t\t\tblue\nPets:\t\t\tNo\n"
              "\n"
              "Second Individual's Name:\tMary Jones\n"
              "Second Individual's Birthday:\t7   4   1972\n"
              "Other information:\t\tSingle Female\n"
              "Hair:\t\t\tblond\nEyes:\t\t\tgreen\nPets:\t\t\tYes\n"
              "\nSelected Date:\t\t10 5   2000\nSelected Activity:\t\tgo dancing with\n");
}

TEST(DuovellGate, AsksOnceForTheSameNames)
{
    Fixture f;
    f.ui.answers = {shell::Answer::No, shell::Answer::No};  // not relatives; the details are wrong
    EXPECT_FALSE(f.duo.PairReadingButton(pairing::PairKind::Love));
    ASSERT_EQ(f.ui.boxes.size(), 3u);
    EXPECT_EQ(f.ui.boxes[2].text, "Please correct any mistakes and try again!");
    EXPECT_EQ(f.ui.boxes[2].icon, shell::Icon::Stop);
    // Same names again: straight to the reading.
    f.ui.boxes.clear();
    EXPECT_TRUE(f.duo.PairReadingButton(pairing::PairKind::Love));
    ASSERT_EQ(f.ui.boxes.size(), 1u);
    EXPECT_EQ(f.ui.boxes[0].caption, "DUOVELL - LOVE");
    EXPECT_EQ(f.ui.boxes[0].text, "This reading is based on:\n\nThe Egyptian Book of Dead and The Cabala.\n\n"
                                  "_______________________________________\n\n\nJohn Smith and Mary Jones\n\n"
                                  "Perfect for each other, real love.");
}

TEST(DuovellGate, DateRuleComesFirstAndCountsEveryFourthYearAsLeap)
{
    Fixture f;
    f.duo.record.one.birthday = {2, 29, 1900};
    f.duo.record.two.birthday = {2, 29, 1901};
    EXPECT_FALSE(f.duo.PairGate(Gate::Report));
    ASSERT_EQ(f.ui.boxes.size(), 1u);
    EXPECT_EQ(f.ui.boxes[0].caption, "DATE ERROR");
    EXPECT_EQ(f.ui.boxes[0].text, "There are only 28 days in February!\nPlease correct it and then try again!    ");
}

TEST(DuovellReport, BaseNameAndForecastLine)
{
    Fixture f;
    EXPECT_EQ(ReportBaseName(f.duo.record), "1-1-2000 John Smith and Mary Jones go dancing with");
    const std::string text = ReportText(f.duo.record);
    EXPECT_NE(text.find("\n\ngo dancing with on January 1 2000 - Probability of a good outcome:  10 - 30%\n" +
                        std::string(72, '_') + "\n\nHow to use"),
              std::string::npos);
}

TEST(DuovellSavedInputs, RoundTripKeepsEverythingButDateAndActivity)
{
    Fixture f;
    PairRecord& r = f.duo.record;
    r.one.firstName = std::string(50, 'a') + "";
    r.two.lastName = "Виноградова-Кузнецова-Соколова-Михайлова-Новикова-Попова";  // far more than 98 bytes
    const std::string text = SavedInputsText(r);
    EXPECT_EQ(text.substr(0, 36), "3\n15\n1970\n7\n4\n1972\n" + std::string(17, 'a'));
    PairRecord loaded = startValues({2000, 1, 1});
    kSavedInputs.loadFrom(writeTemp(text), loaded);
    EXPECT_EQ(loaded.one.firstName, r.one.firstName);
    EXPECT_EQ(loaded.two.lastName, r.two.lastName);
    EXPECT_EQ(loaded.two.birthday, r.two.birthday);
    EXPECT_TRUE(loaded.one.male && loaded.one.single && !loaded.one.pets);
    EXPECT_TRUE(!loaded.two.male && loaded.two.single && loaded.two.pets);
    EXPECT_EQ(loaded.two.eyes, "green");
    EXPECT_EQ(SavedInputsText(loaded), text);
}

TEST(DuovellSavedInputs, ShortOrJunkFilesKeepTheStartValues)
{
    PairRecord r = startValues({2000, 1, 1});
    kSavedInputs.loadFrom(writeTemp("12\nxx\n3000\n0\n31\n-5\nAnn\n"), r);
    EXPECT_EQ(r.one.birthday, (numerology::Date{12, 1, 1900}));
    EXPECT_EQ(r.two.birthday, (numerology::Date{1, 31, 1900}));
    EXPECT_EQ(r.one.firstName, "Ann");
    EXPECT_EQ(r.one.lastName, "last name");
    EXPECT_FALSE(r.one.male);

    PairRecord binary = startValues({2000, 1, 1});
    kSavedInputs.loadFrom(writeTemp(std::string("\0\xff\x01\n1x\n", 7) + std::string(5000, 'z')), binary);
    EXPECT_EQ(binary.one.birthday, (numerology::Date{1, 1, 1900}));

    PairRecord missing = startValues({2000, 1, 1});
    kSavedInputs.loadFrom("/nonexistent/duo.ini", missing);
    EXPECT_EQ(SavedInputsText(missing), SavedInputsText(startValues({2000, 1, 1})));
}

}  // namespace duovell_test
